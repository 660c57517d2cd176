// A template on arbitrary bytes, opened, edited as the output procedures edit templates, saved and
// opened again. The input is a whole package when it starts as a zip does; otherwise it is the main
// document part, then (after a NUL byte) the styles part and the settings part of a minimal package.
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentLayout.h"
#include "platform/wordproc/DocumentShapes.h"
#include "platform/wordproc/DocumentStyles.h"
#include "platform/wordproc/DocumentTables.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/Package.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using wordproc::Span;
using wordproc::StoryId;

constexpr const char* ContentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";
constexpr const char* PackageRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Target=\"word/document.xml\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\"/>"
    "</Relationships>";
constexpr const char* DocumentRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Target=\"styles.xml\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\"/>"
    "<Relationship Id=\"rId2\" Target=\"settings.xml\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\"/>"
    "</Relationships>";

std::string packageOf(std::string_view input) {
    if (input.starts_with("PK"))
        return std::string(input);
    wordproc::Package package;
    package.setPart("[Content_Types].xml", ContentTypes);
    package.setPart("_rels/.rels", PackageRelationships);
    package.setPart("word/_rels/document.xml.rels", DocumentRelationships);
    const char* parts[] = {"word/document.xml", "word/styles.xml", "word/settings.xml"};
    for (const char* part : parts) {
        std::size_t end = std::min(input.find('\0'), input.size());
        if (!input.empty() || part == parts[0])
            package.setPart(part, std::string(input.substr(0, end)));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return package.toBytes(wordproc::Compression::Fast);
}

// The value of the first w:name="..." in the input: a bookmark's name, if the input holds one.
std::string firstNameIn(std::string_view input) {
    constexpr std::string_view Marker = "w:name=\"";
    std::size_t at = input.find(Marker);
    if (at == std::string_view::npos)
        return "书签";
    input.remove_prefix(at + Marker.size());
    return std::string(input.substr(0, std::min<std::size_t>(input.find('"'), 64)));
}

// Runs one edit; an edit that the document cannot take (a slot it lacks) is refused with an Error, and
// the others still run.
template <typename Edit> void attempt(Edit edit) {
    try {
        edit();
    } catch (const wordproc::Error&) {
    }
}

void editText(wordproc::DocumentText& text) {
    StoryId main;
    int count = text.paragraphCount(main);
    for (int n = 1; n <= std::min(count, 6); ++n) {
        attempt([&] {
            Span paragraph = text.paragraph(main, n);
            text.text(paragraph);
            text.charFormat(paragraph);
            text.paraFormat(paragraph);
        });
    }
    attempt([&] {
        Span last = text.paragraph(main, count);
        text.insertAfter(last, "\r（共印5份）");
    });
    attempt([&] {
        Span first = text.paragraph(main, 1);
        text.insertBefore(first, "机密\r特急\t");
        wordproc::CharFormat font;
        font.name = "标准公文_仿宋";
        font.size = 16.0f;
        font.bold = true;
        font.color = 255;
        font.scaling = 75;
        text.applyCharFormat(first, font);
        wordproc::ParaFormat paragraph;
        paragraph.alignment = 1;
        paragraph.characterUnitFirstLineIndent = -2.0f;
        paragraph.lineUnitBefore = 0.5f;
        text.applyParaFormat(first, paragraph);
    });
    attempt([&] {
        Span middle = text.paragraph(main, std::max(1, count / 2));
        text.setText(middle, "正文第一段\r第二段");
    });
    attempt([&] {
        Span whole = text.story(main);
        text.range(whole.start, whole.end);
        text.erase(main, 2, 5);
    });
}

void editShape(wordproc::DocumentShapes& shapes, wordproc::DocumentText& text, int id) {
    shapes.name(id);
    shapes.setName(id, "WJBT");
    shapes.setVisible(id, wordproc::ShapePart::Line, false);
    shapes.setRelativeVerticalPosition(id, 1);
    wordproc::ShapeBox box = shapes.box(id);
    box.top += 10;
    shapes.setBox(id, box);
    Span frame = text.story(shapes.textFrame(id));
    text.setText(frame, "某某市人民政府文件");
}

void editShapes(wordproc::DocumentShapes& shapes, wordproc::DocumentText& text) {
    for (int index = 1; index <= std::min(shapes.count(), 4); ++index)
        attempt([&] { editShape(shapes, text, shapes.idAt(index)); });
    attempt([&] {
        Span anchor = text.paragraph(StoryId{}, 1);
        shapes.addLine(0, 0, 400, 0, &anchor);
    });
}

void editTablesAndBookmarks(wordproc::Document& document, std::string_view input) {
    wordproc::DocumentTables& tables = document.tables();
    attempt([&] {
        if (tables.count() > 0 && tables.rowCount(1) > 0) {
            Span cell = tables.cell(1, 1, 1);
            document.text().setText(cell, "某某市人民政府");
        }
    });
    wordproc::DocumentBookmarks& bookmarks = document.bookmarks();
    attempt([&] {
        bookmarks.count();
        if (std::string name = firstNameIn(input); bookmarks.exists(name))
            bookmarks.setText(name, "收文");
    });
}

void editStylesAndLayout(wordproc::Document& document) {
    wordproc::DocumentStyles& styles = document.styles();
    attempt([&] {
        wordproc::CharFormat font;
        font.nameFarEast = "标准公文_仿宋";
        font.size = 16.0f;
        if (std::string body = styles.find("正文"); !body.empty())
            styles.applyCharFormat(body, font);
    });
    wordproc::DocumentLayout& layout = document.layout();
    attempt([&] {
        if (int sections = layout.sectionCount(); sections > 0) {
            layout.pageFormat(1);
            wordproc::PageFormat page;
            page.topMargin = 104.9f;
            page.leftMargin = 79.4f;
            page.charsLine = 28;
            layout.apply(1, sections, page);
        }
    });
}

void edit(wordproc::Document& document, std::string_view input) {
    editText(document.text());
    editTablesAndBookmarks(document, input);
    editStylesAndLayout(document);
    editShapes(document.shapes(), document.text());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto flavour = size % 2 ? wordproc::Flavour::Wps : wordproc::Flavour::Word;
    std::string package;
    try {
        package = packageOf(input);
    } catch (const wordproc::Error&) {
        return 0;
    }
    try {
        // Opened, not New: a new document would be handed over to the desktop when let go of.
        auto document =
            wordproc::Document::fromBytes(package, "fuzz.dqx", wordproc::DocumentKind::Opened, flavour);
        int paragraphs = document->text().paragraphCount(StoryId{});
        FUZZ_CHECK(paragraphs >= 0);
        edit(*document, input);
        std::string saved = document->toBytes();
        auto again =
            wordproc::Document::fromBytes(saved, "saved.docx", wordproc::DocumentKind::Opened, flavour);
        FUZZ_CHECK(again->text().paragraphCount(StoryId{}) == document->text().paragraphCount(StoryId{}));
        FUZZ_CHECK(again->text().text(again->text().story(StoryId{})) ==
                   document->text().text(document->text().story(StoryId{})));
    } catch (const wordproc::Error&) {
        // Refused with a message: the outcome a damaged or hostile template must have.
    }
    return 0;
}
