#include "platform/wordproc/DocumentLayout.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/SectionOptions.h"
#include "platform/wordproc/Xml.h"

#include <cmath>
#include <string_view>

namespace wordproc {

namespace {

long long twips(float points) {
    return std::lround(points * 20.0f);
}

float points(long long twips) {
    return static_cast<float>(twips) / 20.0f;
}

pugi::xml_node pageMargins(pugi::xml_node section) {
    pugi::xml_node margins = xml::ensureChild(section, "w:pgMar", xml::sectionPropertyOrder);
    // The schema wants all seven measures; these are the hosts' defaults for a missing one.
    static const std::pair<const char*, long long> defaults[] = {
        {"w:top", 1440},   {"w:right", 1800}, {"w:bottom", 1440}, {"w:left", 1800},
        {"w:header", 851}, {"w:footer", 992}, {"w:gutter", 0}};
    for (const auto& [name, value] : defaults) {
        if (!margins.attribute(name))
            margins.append_attribute(name) = value;
    }
    return margins;
}

void setMeasure(pugi::xml_node node, const char* name, float value) {
    if (value < 0 || value > 1584)
        throw Error("页面尺寸超出范围（0 到 1584 磅）。");
    xml::setAttribute(node, name, twips(value));
}

void setOrientation(pugi::xml_node section, int orientation) {
    if (orientation != 0 && orientation != 1)
        throw Error("页面方向无效（0 纵向，1 横向）。");
    pugi::xml_node size = xml::ensureChild(section, "w:pgSz", xml::sectionPropertyOrder);
    long long width = xml::numberAttribute(size, "w:w", 11906);
    long long height = xml::numberAttribute(size, "w:h", 16838);
    bool landscape = orientation == 1;
    // Turning the page exchanges its width and height, as the hosts do.
    if ((width > height) != landscape)
        std::swap(width, height);
    xml::setAttribute(size, "w:w", width);
    xml::setAttribute(size, "w:h", height);
    size.remove_attribute("w:orient");
    if (landscape)
        size.append_attribute("w:orient") = "landscape";
}

void setLinesPage(pugi::xml_node section, int lines) {
    if (lines < 1 || lines > 200)
        throw Error("每页行数超出范围。");
    long long height = xml::numberAttribute(section.child("w:pgSz"), "w:h", 16838);
    pugi::xml_node margins = pageMargins(section);
    long long area = height - xml::numberAttribute(margins, "w:top", 1440) -
                     xml::numberAttribute(margins, "w:bottom", 1440);
    pugi::xml_node grid = xml::ensureChild(section, "w:docGrid", xml::sectionPropertyOrder);
    std::string_view type = grid.attribute("w:type").value();
    if (type.empty() || type == "default")
        xml::setAttribute(grid, "w:type", "lines");
    xml::setAttribute(grid, "w:linePitch", area / lines);
}

void applyToSection(pugi::xml_node section, const PageFormat& format) {
    if (format.orientation)
        setOrientation(section, *format.orientation);
    pugi::xml_node size = xml::ensureChild(section, "w:pgSz", xml::sectionPropertyOrder);
    if (format.pageWidth)
        setMeasure(size, "w:w", *format.pageWidth);
    if (format.pageHeight)
        setMeasure(size, "w:h", *format.pageHeight);
    pugi::xml_node margins = pageMargins(section);
    const std::pair<const std::optional<float>&, const char*> measures[] = {
        {format.topMargin, "w:top"},         {format.bottomMargin, "w:bottom"},
        {format.leftMargin, "w:left"},       {format.rightMargin, "w:right"},
        {format.headerDistance, "w:header"}, {format.footerDistance, "w:footer"},
        {format.gutter, "w:gutter"}};
    for (const auto& [value, name] : measures) {
        if (value)
            setMeasure(margins, name, *value);
    }
    if (format.linesPage)
        setLinesPage(section, *format.linesPage);
    if (format.differentFirstPage) {
        section.remove_child("w:titlePg");
        if (*format.differentFirstPage)
            xml::ensureChild(section, "w:titlePg", xml::sectionPropertyOrder);
    }
    applySectionOptions(section, format);
}

} // namespace

int DocumentLayout::sectionCount() const {
    return static_cast<int>(m_model.sections().size());
}

void DocumentLayout::apply(int first, int last, const PageFormat& format) {
    std::vector<pugi::xml_node> sections = m_model.sections();
    if (first < 1 || last < first || last > static_cast<int>(sections.size()))
        throw Error("所要求的节不存在。");
    for (int i = first; i <= last; ++i)
        applyToSection(sections[static_cast<std::size_t>(i - 1)], format);
    if (format.mirrorMargins) {
        pugi::xml_node settings = m_model.settingsRoot();
        settings.remove_child("w:mirrorMargins");
        if (*format.mirrorMargins)
            xml::ensureChild(settings, "w:mirrorMargins", xml::settingsOrder);
    }
    applyDocumentOptions(m_model, format);
    if (format.charsLine)
        applyCharacterGrid(m_model, *format.charsLine);
    else
        refreshCharacterGrid();
}

PageFormat DocumentLayout::pageFormat(int section) const {
    std::vector<pugi::xml_node> sections = m_model.sections();
    if (section < 1 || section > static_cast<int>(sections.size()))
        throw Error("所要求的节不存在。");
    pugi::xml_node node = sections[static_cast<std::size_t>(section - 1)];
    pugi::xml_node size = node.child("w:pgSz");
    pugi::xml_node margins = node.child("w:pgMar");
    PageFormat format;
    format.pageWidth = points(xml::numberAttribute(size, "w:w", 11906));
    format.pageHeight = points(xml::numberAttribute(size, "w:h", 16838));
    format.orientation = std::string_view(size.attribute("w:orient").value()) == "landscape" ? 1 : 0;
    format.topMargin = points(xml::numberAttribute(margins, "w:top", 1440));
    format.bottomMargin = points(xml::numberAttribute(margins, "w:bottom", 1440));
    format.leftMargin = points(xml::numberAttribute(margins, "w:left", 1800));
    format.rightMargin = points(xml::numberAttribute(margins, "w:right", 1800));
    format.headerDistance = points(xml::numberAttribute(margins, "w:header", 851));
    format.footerDistance = points(xml::numberAttribute(margins, "w:footer", 992));
    format.gutter = points(xml::numberAttribute(margins, "w:gutter", 0));
    format.charsLine = m_model.charsLine.value_or(charactersPerLine(m_model));
    long long pitch = xml::numberAttribute(node.child("w:docGrid"), "w:linePitch", 0);
    long long area = xml::numberAttribute(size, "w:h", 16838) - xml::numberAttribute(margins, "w:top", 1440) -
                     xml::numberAttribute(margins, "w:bottom", 1440);
    format.linesPage = pitch > 0 ? static_cast<int>(area / pitch) : 0;
    format.mirrorMargins = xml::isOn(m_model.existingSettings().child("w:mirrorMargins"));
    format.differentFirstPage = xml::isOn(node.child("w:titlePg"));
    readSectionOptions(node, m_model.existingSettings(), format);
    return format;
}

void DocumentLayout::refreshCharacterGrid() {
    if (m_model.charsLine)
        applyCharacterGrid(m_model, *m_model.charsLine);
}

} // namespace wordproc
