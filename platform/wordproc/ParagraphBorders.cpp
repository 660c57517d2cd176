#include "platform/wordproc/ParagraphBorders.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/ParagraphFormatting.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/Xml.h"

#include <string_view>

namespace wordproc {

namespace {

constexpr const char* lineStyles[] = {"nil",     "single",     "dotted", "dashSmallGap", "dashed",
                                      "dotDash", "dotDotDash", "double", "triple"};
const xml::ChildOrder borderOrder = {"w:top", "w:left", "w:bottom", "w:right", "w:between", "w:bar"};

constexpr int BetweenBorder = -5;

const char* sideName(int border) {
    static const char* sides[] = {"w:top", "w:left", "w:bottom", "w:right", "w:between"};
    if (border > -1 || border < -5)
        throw Error("边框的位置无效（应为 -1 到 -5）。");
    return sides[-border - 1];
}

int styleOf(std::string_view value) {
    if (value.empty() || value == "nil" || value == "none")
        return 0;
    for (int i = 1; i < 9; ++i) {
        if (value == lineStyles[i])
            return i;
    }
    return 1; // the many other lines of the file format show as a line
}

} // namespace

int paragraphBorderStyle(const StyleSheet& styles, pugi::xml_node paragraph, int border) {
    const char* side = sideName(border);
    pugi::xml_node borders = styles.paragraphProperty(paragraph, {"w:pBdr"});
    return styleOf(borders.child(side).attribute("w:val").value());
}

int paragraphBorderColor(const StyleSheet& styles, pugi::xml_node paragraph, int border) {
    const char* side = sideName(border);
    pugi::xml_node borders = styles.paragraphProperty(paragraph, {"w:pBdr"});
    return hexToColor(borders.child(side).attribute("w:color").value()); // "auto" and none: automatic
}

void setParagraphBorderStyle(const StyleSheet& styles, pugi::xml_node paragraph, int border, int lineStyle) {
    const char* side = sideName(border);
    if (lineStyle < 0 || lineStyle > 8)
        throw Error("边框的线型无效（应为 0 到 8）。");
    pugi::xml_node own = paragraph.child("w:pPr").child("w:pBdr").child(side);
    if (lineStyle == 0 && own && border == BetweenBorder) {
        // LibreOffice draws a line between two paragraphs whenever the upper one names a line between,
        // even one turned off; unless its style draws one, the paragraph's own goes altogether.
        pugi::xml_node fromStyle =
            styles.styleProperty(styles.paragraphStyle(paragraph), "w:pPr", {"w:pBdr"}).child(side);
        if (styleOf(fromStyle.attribute("w:val").value()) == 0) {
            own.parent().remove_child(own);
            return;
        }
    }
    if (!own && lineStyle == 0 && paragraphBorderStyle(styles, paragraph, border) == 0)
        return;
    pugi::xml_node borders =
        xml::ensureChild(ensureParagraphProperties(paragraph), "w:pBdr", xml::paragraphPropertyOrder);
    pugi::xml_node line = xml::ensureChild(borders, side, borderOrder);
    xml::setAttribute(line, "w:val", lineStyles[lineStyle]);
    const std::pair<const char*, const char*> defaults[] = {
        {"w:sz", "4"}, {"w:space", "1"}, {"w:color", "auto"}};
    for (const auto& [name, value] : defaults) {
        if (!line.attribute(name))
            line.append_attribute(name) = value;
    }
}

} // namespace wordproc
