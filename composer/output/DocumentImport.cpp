#include "composer/output/BodyImport.h"

#include "composer/output/DocConversion.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"

#include <optional>

namespace composer {

std::vector<std::string> readDocumentParagraphs(const std::string& path) {
    // The word processor reads .docx packages; an old binary document is converted first.
    std::optional<ConvertedDocument> converted;
    if (isBinaryWordDocument(path))
        converted.emplace(path);
    automation::Application word = automation::CreateObject("Word.Application");
    automation::Document document = word.Documents().Open(converted ? converted->path() : path);
    std::vector<std::string> lines;
    automation::Paragraphs paragraphs = document.Paragraphs();
    int n = paragraphs.Count();
    for (int i = 1; i <= n; ++i)
        lines.push_back(bodyLineOf(paragraphs.Item(i).Range().text()));
    document.Close();
    return lines;
}

} // namespace composer
