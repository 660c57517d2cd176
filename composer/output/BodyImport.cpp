#include "composer/output/BodyImport.h"

#include "composer/output/DocConversion.h"

#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "platform/text/TextFile.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"

namespace composer {

void ImportBodyText(ui::OpenDialog& dialog, ui::Edit& importPath, ui::Memo& body) {
    dialog.setFileName("");
    dialog.setFilter("Word文档|*.doc;*.docx|文本文档|*.txt|*.*|*.*");
    dialog.setOptions({.hideReadOnly = true, .fileMustExist = true});
    dialog.execute();
    std::string name = dialog.fileName();
    if (name.empty())
        return;
    // The chosen file shows before the read, also when the read then fails.
    importPath.setText(name);
    body.setScrollBars(ui::ScrollBars::Vertical);
    std::vector<std::string> lines =
        lowerCaseExtension(name) == ".txt" ? readTextFileLines(name) : readDocumentParagraphs(name);
    body.setLines(lines);
}

std::vector<std::string> readTextFileLines(const std::string& path) {
    return text::splitLines(text::decodeUtf8OrGb18030(text::readBinaryFile(path)));
}

std::string bodyLineOf(const std::string& paragraphText) {
    constexpr std::string_view FullWidthBlank = "　";
    std::string line = text::trimmed(paragraphText);
    std::string_view rest = line;
    while (rest.starts_with(FullWidthBlank))
        rest.remove_prefix(FullWidthBlank.size());
    return std::string(rest);
}

} // namespace composer
