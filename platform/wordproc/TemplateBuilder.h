#pragma once
// Builds a template package (a .docx under the name ".dqx" or ".dot") from its readable sources: the
// template's own word/document.xml, which may write floating shapes in a short form, and the parts that
// all templates share. The result is the same bytes on every build. templates/README.md describes the
// source format.

#include <string>

namespace wordproc {

struct TemplateSource {
    // The shared parts: styles.xml, settings.xml, fontTable.xml, footer*.xml, header*.xml ...
    std::string commonFolder;
    // The template's document part. Parts of its own may sit beside it in "<name>.parts/".
    std::string documentFile;
};

// The package's bytes. Throws Error naming the source file and the fault.
std::string buildTemplate(const TemplateSource& source);

// The document part with its short-form shapes expanded, as it goes into the package.
std::string expandTemplateDocument(const std::string& xmlText, const std::string& what);

} // namespace wordproc
