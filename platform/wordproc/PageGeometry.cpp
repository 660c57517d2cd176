#include "platform/wordproc/PageGeometry.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/StyleSheet.h"
#include "platform/wordproc/Xml.h"

#include <cmath>
#include <string_view>

namespace wordproc {

namespace {

struct BodyCharacter {
    pugi::xml_node style;
    int sizeTwips;
    int spacingTwips;
};

BodyCharacter bodyCharacter(DocumentModel& model) {
    const StyleSheet& styles = model.styleSheet();
    pugi::xml_node normal = styles.defaultStyle("paragraph");
    if (!normal)
        throw Error("文档没有正文样式，无法设置每行字数。");
    CharFormat format =
        resolveCharFormat([&](const PropertyKey& key) { return styles.styleProperty(normal, "w:rPr", key); });
    return {normal, static_cast<int>(std::lround(*format.size * 20)),
            static_cast<int>(std::lround(*format.spacing * 20))};
}

} // namespace

std::vector<pugi::xml_node> sectionsOf(pugi::xml_node body) {
    static const pugi::xpath_query query(".//w:pPr/w:sectPr");
    std::vector<pugi::xml_node> sections = xml::select(body, query);
    if (pugi::xml_node last = body.child("w:sectPr"))
        sections.push_back(last);
    return sections;
}

int lineUnitTwips(pugi::xml_node body) {
    pugi::xml_node grid = body.child("w:sectPr").child("w:docGrid");
    std::string_view type = grid.attribute("w:type").value();
    long long pitch = xml::numberAttribute(grid, "w:linePitch", 0);
    return (type.empty() || type == "default" || pitch <= 0) ? 240 : static_cast<int>(pitch);
}

int textWidthTwips(pugi::xml_node section) {
    long long width = xml::numberAttribute(section.child("w:pgSz"), "w:w", 11906);
    pugi::xml_node margins = section.child("w:pgMar");
    return static_cast<int>(width - xml::numberAttribute(margins, "w:left", 1800) -
                            xml::numberAttribute(margins, "w:right", 1800) -
                            xml::numberAttribute(margins, "w:gutter", 0));
}

void applyCharacterGrid(DocumentModel& model, int charsLine) {
    if (charsLine < 1 || charsLine > 500)
        throw Error("每行字数超出范围。");
    std::vector<pugi::xml_node> sections = model.sections();
    if (sections.empty())
        throw Error("文档没有节，无法设置每行字数。");
    BodyCharacter body = bodyCharacter(model);
    double pitch = static_cast<double>(textWidthTwips(sections.front())) / charsLine;
    CharFormat spacing;
    spacing.spacing = static_cast<float>(std::floor(pitch - body.sizeTwips)) / 20.0f;
    applyCharFormat(ensureStyleRunProperties(body.style), spacing);
    for (pugi::xml_node section : sections) {
        pugi::xml_node grid = section.child("w:docGrid");
        std::string_view type = grid.attribute("w:type").value();
        if (type == "linesAndChars" || type == "snapToChars") {
            xml::setAttribute(grid, "w:type", "lines");
            grid.remove_attribute("w:charSpace");
        }
    }
    model.charsLine = charsLine;
}

int charactersPerLine(DocumentModel& model) {
    std::vector<pugi::xml_node> sections = model.sections();
    if (sections.empty())
        return 0;
    BodyCharacter body = bodyCharacter(model);
    int pitch = std::max(1, body.sizeTwips + body.spacingTwips);
    return textWidthTwips(sections.front()) / pitch;
}

} // namespace wordproc
