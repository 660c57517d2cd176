#include "platform/wordproc/SectionOptions.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/Xml.h"

#include <string_view>

namespace wordproc {

namespace {

constexpr const char* sectionStarts[] = {"continuous", "nextColumn", "nextPage", "evenPage", "oddPage"};
constexpr const char* verticalAlignments[] = {"top", "center", "both", "bottom"};
constexpr long long DefaultLinePitch = 312; // 15.6 pt, the pitch the hosts give a new line grid

int indexOf(std::string_view value, const char* const* names, int count, int fallback) {
    for (int i = 0; i < count; ++i) {
        if (value == names[i])
            return i;
    }
    return fallback;
}

// An on/off element of a properties group: present when on.
void setPresence(pugi::xml_node parent, const char* name, bool on, const xml::ChildOrder& order) {
    xml::removeChildren(parent, name);
    if (on)
        xml::ensureChild(parent, name, order);
}

// A value kept in an element's w:val that is left out when it is the default.
void setValueElement(pugi::xml_node section, const char* name, const char* value, const char* fallback) {
    xml::removeChildren(section, name);
    if (std::string_view(value) != fallback)
        xml::setAttribute(xml::ensureChild(section, name, xml::sectionPropertyOrder), "w:val", value);
}

void setTray(pugi::xml_node section, const char* attribute, int tray) {
    if (tray < 0)
        throw Error("纸盒编号无效。");
    pugi::xml_node source = xml::ensureChild(section, "w:paperSrc", xml::sectionPropertyOrder);
    source.remove_attribute(attribute);
    if (tray != 0)
        xml::setAttribute(source, attribute, tray);
    if (!source.first_attribute())
        section.remove_child(source);
}

void setLayoutMode(pugi::xml_node section, int mode) {
    if (mode < 0 || mode > 3)
        throw Error("版式模式无效（应为 0 到 3）。");
    pugi::xml_node grid = xml::ensureChild(section, "w:docGrid", xml::sectionPropertyOrder);
    // The engine lays characters out by the body style's spacing (PageGeometry.h), so the grid keeps
    // lines only: modes 1 and 2 are the same line grid.
    const char* types[] = {"default", "lines", "lines", "snapToChars"};
    xml::setAttribute(grid, "w:type", types[mode]);
    if (mode != 0 && !grid.attribute("w:linePitch"))
        xml::setAttribute(grid, "w:linePitch", DefaultLinePitch);
    if (mode != 3)
        grid.remove_attribute("w:charSpace");
}

void applyToggles(pugi::xml_node section, const PageFormat& format) {
    if (format.lineNumbering) {
        if (!*format.lineNumbering)
            xml::removeChildren(section, "w:lnNumType");
        else if (pugi::xml_node numbers = xml::ensureChild(section, "w:lnNumType", xml::sectionPropertyOrder);
                 !numbers.attribute("w:countBy"))
            xml::setAttribute(numbers, "w:countBy", 1);
    }
    if (format.suppressEndnotes)
        setPresence(section, "w:noEndnote", *format.suppressEndnotes, xml::sectionPropertyOrder);
    if (format.gutterPos)
        setPresence(section, "w:rtlGutter", *format.gutterPos == 2, xml::sectionPropertyOrder);
}

} // namespace

const char* sectionStartName(int start) {
    return start >= 0 && start <= 4 ? sectionStarts[start] : nullptr;
}

void applySectionOptions(pugi::xml_node section, const PageFormat& format) {
    if (format.gutterPos && (*format.gutterPos < 0 || *format.gutterPos > 2))
        throw Error("装订线位置无效（应为 0 到 2）。");
    if (format.sectionStart) {
        const char* start = sectionStartName(*format.sectionStart);
        if (!start)
            throw Error("节的起始位置无效（应为 0 到 4）。");
        setValueElement(section, "w:type", start, "nextPage");
    }
    if (format.verticalAlignment) {
        int alignment = *format.verticalAlignment;
        if (alignment < 0 || alignment > 3)
            throw Error("垂直对齐方式无效（应为 0 到 3）。");
        setValueElement(section, "w:vAlign", verticalAlignments[alignment], "top");
    }
    if (format.firstPageTray)
        setTray(section, "w:first", *format.firstPageTray);
    if (format.otherPagesTray)
        setTray(section, "w:other", *format.otherPagesTray);
    if (format.layoutMode)
        setLayoutMode(section, *format.layoutMode);
    applyToggles(section, format);
}

void applyDocumentOptions(DocumentModel& model, const PageFormat& format) {
    const std::pair<const std::optional<bool>&, const char*> toggles[] = {
        {format.oddAndEvenPages, "w:evenAndOddHeaders"},
        {format.twoPagesOnOne, "w:printTwoOnOne"},
        {format.bookFoldPrinting, "w:bookFoldPrinting"},
        {format.bookFoldRevPrinting, "w:bookFoldRevPrinting"}};
    for (const auto& [value, name] : toggles) {
        if (value)
            setPresence(model.settingsRoot(), name, *value, xml::settingsOrder);
    }
    if (format.gutterPos)
        setPresence(model.settingsRoot(), "w:gutterAtTop", *format.gutterPos == 1, xml::settingsOrder);
    if (format.bookFoldPrintingSheets) {
        int sheets = *format.bookFoldPrintingSheets;
        if (sheets < 0)
            throw Error("书籍折页的每册页数无效。");
        pugi::xml_node settings = model.settingsRoot();
        xml::removeChildren(settings, "w:bookFoldPrintingSheets");
        if (sheets != 1)
            xml::setAttribute(xml::ensureChild(settings, "w:bookFoldPrintingSheets", xml::settingsOrder),
                              "w:val", sheets);
    }
}

void readSectionOptions(pugi::xml_node section, pugi::xml_node settings, PageFormat& format) {
    format.sectionStart = indexOf(section.child("w:type").attribute("w:val").value(), sectionStarts, 5, 2);
    format.verticalAlignment =
        indexOf(section.child("w:vAlign").attribute("w:val").value(), verticalAlignments, 4, 0);
    pugi::xml_node source = section.child("w:paperSrc");
    format.firstPageTray = static_cast<int>(xml::numberAttribute(source, "w:first", 0));
    format.otherPagesTray = static_cast<int>(xml::numberAttribute(source, "w:other", 0));
    pugi::xml_node grid = section.child("w:docGrid");
    std::string_view type = grid.attribute("w:type").value();
    format.layoutMode = type == "lines" || type == "linesAndChars" ? 1 : type == "snapToChars" ? 3 : 0;
    format.lineNumbering = static_cast<bool>(section.child("w:lnNumType"));
    format.suppressEndnotes = xml::isOn(section.child("w:noEndnote"));
    format.oddAndEvenPages = xml::isOn(settings.child("w:evenAndOddHeaders"));
    format.twoPagesOnOne = xml::isOn(settings.child("w:printTwoOnOne"));
    format.bookFoldPrinting = xml::isOn(settings.child("w:bookFoldPrinting"));
    format.bookFoldRevPrinting = xml::isOn(settings.child("w:bookFoldRevPrinting"));
    format.bookFoldPrintingSheets =
        static_cast<int>(xml::numberAttribute(settings.child("w:bookFoldPrintingSheets"), "w:val", 1));
    format.gutterPos = xml::isOn(section.child("w:rtlGutter"))      ? 2
                       : xml::isOn(settings.child("w:gutterAtTop")) ? 1
                                                                    : 0;
}

} // namespace wordproc
