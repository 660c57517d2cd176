#pragma once
// Helpers for the tests of the word processor: test templates, parts of saved packages, the schema check
// and the hand-off sandbox that keeps tests from opening documents on the desktop.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wordproctest {

// The message of the wordproc::Error that the action throws, or "(no error)".
std::string messageOf(const std::function<void()>& action);

// The shared template parts of the repository (templates/common).
std::string commonFolder();

// Builds tests/data/wordproc/<name>.xml into `folder`/<fileName> and returns the path.
std::string buildTestTemplate(const std::string& folder, const std::string& name,
                              const std::string& fileName);

// The path of a template that the build made (build/templates/built/...).
std::string builtTemplate(const std::string& relativePath);

// One part of a package file, as bytes. Empty when the part is missing.
std::string readPart(const std::string& packagePath, const std::string& part);
// One part of a package given as bytes.
std::string partOf(const std::string& packageBytes, const std::string& part);

// The folder of the OOXML schemas (DQX_OOXML_SCHEMAS, by default tests/data/ooxml-schemas), or nothing
// when it is not there.
std::optional<std::string> schemaFolder();

// Validates the XML against the schemas with xmllint; returns xmllint's complaint, or "" when valid.
std::string schemaComplaint(const std::string& xml, const std::string& schemas);

// Counts the occurrences of a piece of text.
int countOf(const std::string& text, const std::string& piece);

// The drafts that the hand-off saved during the test: the observer's paths, in order. Every test
// executable that links these helpers hands over into a private temporary folder and never opens the
// desktop's word processor.
class HandOffRecorder {
public:
    HandOffRecorder();
    ~HandOffRecorder();
    HandOffRecorder(const HandOffRecorder&) = delete;
    HandOffRecorder& operator=(const HandOffRecorder&) = delete;

    const std::vector<std::string>& paths() const;
    // The path of the only draft saved; fails the test when there is not exactly one.
    std::string onlyDraft() const;
};

// Runs a program and returns what it printed (standard output and error) and its exit code.
struct ProgramOutput {
    int exitCode = -1;
    std::string output;
};
ProgramOutput runCapturing(const std::vector<std::string>& argv);

} // namespace wordproctest
