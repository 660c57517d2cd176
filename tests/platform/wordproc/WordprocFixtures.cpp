#include "tests/platform/wordproc/WordprocFixtures.h"

#include "platform/text/TextFile.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/HandOff.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/TemplateBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace wordproctest {

namespace {

// The process-wide drafts folder of the tests: made at start, removed at exit, and no opening on the
// desktop at all.
class DraftsSandbox {
public:
    DraftsSandbox() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dqx-drafts-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_folder = pattern;
        wordproc::setDraftsFolder(m_folder + "/drafts");
        wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    }
    ~DraftsSandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::vector<std::string> recorded;

private:
    std::string m_folder;
};

DraftsSandbox& sandbox() {
    static DraftsSandbox instance;
    return instance;
}

const bool sandboxReady = (sandbox(), true);

} // namespace

std::string commonFolder() {
    return std::string(DQX_SOURCE_DIR) + "/templates/common";
}

std::string buildTestTemplate(const std::string& folder, const std::string& name,
                              const std::string& fileName) {
    std::string path = folder + "/" + fileName;
    std::string source = std::string(DQX_TEST_DATA) + "/wordproc/" + name + ".xml";
    text::writeBinaryFileAtomically(path, wordproc::buildTemplate({commonFolder(), source}));
    return path;
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const wordproc::Error& error) {
        return error.what();
    }
    return "(no error)";
}

std::string builtTemplate(const std::string& relativePath) {
    return std::string(DQX_BUILT_TEMPLATES) + "/" + relativePath;
}

std::string readPart(const std::string& packagePath, const std::string& part) {
    wordproc::Package package = wordproc::Package::readFile(packagePath);
    const std::string* bytes = package.find(part);
    return bytes ? *bytes : std::string();
}

std::string partOf(const std::string& packageBytes, const std::string& part) {
    wordproc::Package package = wordproc::Package::fromBytes(packageBytes, "test");
    const std::string* bytes = package.find(part);
    return bytes ? *bytes : std::string();
}

std::optional<std::string> schemaFolder() {
    std::filesystem::path folder = DQX_OOXML_SCHEMAS;
    if (!std::filesystem::exists(folder / "document.xsd"))
        return std::nullopt;
    return folder.lexically_normal().string();
}

std::string schemaComplaint(const std::string& xml, const std::string& schemas) {
    std::string file =
        (std::filesystem::temp_directory_path() / ("dqx-part-" + std::to_string(::getpid()) + ".xml"))
            .string();
    text::writeBinaryFileAtomically(file, xml);
    ProgramOutput result =
        runCapturing({"xmllint", "--noout", "--nonet", "--schema", schemas + "/document.xsd", file});
    std::filesystem::remove(file);
    return result.exitCode == 0 ? std::string() : result.output;
}

int countOf(const std::string& text, const std::string& piece) {
    int count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

HandOffRecorder::HandOffRecorder() {
    sandbox().recorded.clear();
    wordproc::setHandOffObserver([](const std::string& path) { sandbox().recorded.push_back(path); });
}

HandOffRecorder::~HandOffRecorder() {
    wordproc::setHandOffObserver({});
}

const std::vector<std::string>& HandOffRecorder::paths() const {
    return sandbox().recorded;
}

std::string HandOffRecorder::onlyDraft() const {
    EXPECT_EQ(paths().size(), 1u);
    return paths().empty() ? std::string() : paths().back();
}

ProgramOutput runCapturing(const std::vector<std::string>& argv) {
    std::string command;
    for (const std::string& argument : argv) {
        std::string quoted = "'";
        for (char c : argument)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += quoted + "' ";
    }
    command += "2>&1";
    ProgramOutput result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.output.append(buffer.data(), got);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace wordproctest
