#pragma once
// ImportBodyText: the body of a document form from a text file or a word-processor document.

#include <string>
#include <vector>

namespace ui {
class Edit;
class Memo;
class OpenDialog;
} // namespace ui

namespace composer {

// Asks for a file, shows its path and replaces the body with its lines. The body changes only when the
// file was read; a failure is raised as an error with its message and leaves the body as it was.
void ImportBodyText(ui::OpenDialog& dialog, ui::Edit& importPath, ui::Memo& body);

// The lines of a text file in UTF-8 or the system's code page.
std::vector<std::string> readTextFileLines(const std::string& path);

// The paragraphs of a word-processor document, each trimmed and without leading full-width blanks.
std::vector<std::string> readDocumentParagraphs(const std::string& path);

// A paragraph's text as the body takes it: trimmed, then every leading full-width blank removed.
std::string bodyLineOf(const std::string& paragraphText);

} // namespace composer
