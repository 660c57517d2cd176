#include "platform/wordproc/LineBreaking.h"

#include "platform/text/CodePoints.h"
#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/ParagraphFormatting.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cmath>

namespace wordproc {

namespace {

constexpr double NaturalLineFactor = 1.3; // a line of a font is this many times its size
constexpr int EmuPerTwip = 635;

// How many half cells a character fills.
int halfCells(char32_t c) {
    if (c == U'\t')
        return 2;
    bool halfWidthForm = (c >= 0xFF61 && c <= 0xFFDC) || (c >= 0xFFE8 && c <= 0xFFEE);
    return c >= 0x2000 && !halfWidthForm ? 2 : 1;
}

struct Metrics {
    int cell;    // one character cell: font size and spacing
    int natural; // the natural height of one line of the font
};

Metrics metricsOf(const ParagraphEntry& entry, const StyleSheet& styles) {
    pugi::xml_node properties = formatSourceAt(entry.node, 0);
    CharFormat format = resolveCharFormat(
        [&](const PropertyKey& key) { return styles.runProperty(properties, entry.node, key); });
    int size = static_cast<int>(std::lround(format.size.value_or(10.0f) * 20));
    int spacing = static_cast<int>(std::lround(format.spacing.value_or(0.0f) * 20));
    return {std::max(1, size + spacing), static_cast<int>(std::lround(size * NaturalLineFactor))};
}

int lineHeight(const ParaFormat& format, const Metrics& metrics, const LineRoom& room) {
    int rule = format.lineSpacingRule.value_or(0);
    int points = static_cast<int>(std::lround(format.lineSpacing.value_or(12.0f) * 20));
    int lines = room.grid ? std::max(1, (metrics.natural + room.pitch - 1) / room.pitch) : 1;
    int unit = room.grid ? room.pitch * lines : metrics.natural;
    if (rule == 4)
        return std::max(1, points);
    if (rule == 3)
        return std::max(points, unit);
    double factor = rule == 1 ? 1.5 : rule == 2 ? 2.0 : rule == 5 ? points / 240.0 : 1.0;
    return std::max(1, static_cast<int>(std::lround(factor * unit)));
}

int inlineDrawingHeight(pugi::xml_node paragraph) {
    long long tallest = 0;
    for (pugi::xpath_node hit : paragraph.select_nodes(".//wp:inline/wp:extent"))
        tallest = std::max(tallest, xml::numberAttribute(hit.node(), "cy", 0));
    return static_cast<int>(tallest / EmuPerTwip);
}

int capacity(int width, float indentCharacters, int cell) {
    double room = width - static_cast<double>(indentCharacters) * cell;
    return std::max(1, static_cast<int>(std::floor(2.0 * room / cell + 1e-9)));
}

void breakText(const ParagraphEntry& entry, int firstCapacity, int otherCapacity, BrokenParagraph& result) {
    std::u32string characters = text::decodeUtf8(inlineText(entry.node, 0, entry.textLength));
    int start = entry.start;
    int position = entry.start;
    int used = 0;
    int room = firstCapacity;
    auto endLine = [&](bool pageBreak) {
        result.lines.push_back({start, position, position - 1, pageBreak});
        start = position;
        used = 0;
        room = otherCapacity;
    };
    for (char32_t c : characters) {
        int units = c >= 0x10000 ? 2 : 1;
        if (c == U'\v' || c == U'\f') {
            position += units;
            endLine(c == U'\f');
            continue;
        }
        int cells = halfCells(c);
        if (used > 0 && used + cells > room)
            endLine(false);
        used += cells;
        position += units;
    }
    result.lines.push_back({start, entry.end(), entry.markPosition(), false});
}

} // namespace

BrokenParagraph breakParagraph(const ParagraphEntry& entry, const StyleSheet& styles, const LineRoom& room) {
    Metrics metrics = metricsOf(entry, styles);
    ParaFormat format =
        resolveParaFormat([&](const PropertyKey& key) { return styles.paragraphProperty(entry.node, key); });
    BrokenParagraph result;
    float left = std::max(0.0f, format.characterUnitLeftIndent.value_or(0.0f));
    float first = std::max(0.0f, left + format.characterUnitFirstLineIndent.value_or(0.0f));
    breakText(entry, capacity(room.width, first, metrics.cell), capacity(room.width, left, metrics.cell),
              result);
    result.lineHeight = std::max(lineHeight(format, metrics, room), inlineDrawingHeight(entry.node));
    auto spacing = [&](float lines, float points) {
        return lines > 0 ? static_cast<int>(std::lround(lines * room.pitch))
                         : static_cast<int>(std::lround(points * 20));
    };
    result.before = spacing(format.lineUnitBefore.value_or(0), format.spaceBefore.value_or(0));
    result.after = spacing(format.lineUnitAfter.value_or(0), format.spaceAfter.value_or(0));
    result.pageBreakBefore = xml::isOn(styles.paragraphProperty(entry.node, {"w:pageBreakBefore"}));
    return result;
}

} // namespace wordproc
