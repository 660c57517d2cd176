#include "platform/wordproc/ParagraphFormatting.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/Xml.h"

#include <cmath>
#include <string_view>

namespace wordproc {

namespace {

constexpr const char* alignments[] = {"left", "center", "right", "both", "distribute"};

void setAlignment(pugi::xml_node properties, int alignment) {
    if (alignment < 0 || alignment > 4)
        throw Error("段落对齐方式无效（应为 0 到 4）。");
    xml::setAttribute(xml::ensureChild(properties, "w:jc", xml::paragraphPropertyOrder), "w:val",
                      alignments[alignment]);
}

// A first-line indent in characters; negative values hang the other lines that far in.
void setFirstLineIndent(pugi::xml_node properties, float characters, const UnitMeasures& units) {
    pugi::xml_node indent = xml::ensureChild(properties, "w:ind", xml::paragraphPropertyOrder);
    for (const char* attribute : {"w:firstLine", "w:firstLineChars", "w:hanging", "w:hangingChars"})
        indent.remove_attribute(attribute);
    long long hundredths = std::lround(std::fabs(characters) * 100);
    long long twips = std::lround(std::fabs(characters) * static_cast<float>(units.character));
    if (characters > 0) {
        xml::setAttribute(indent, "w:firstLine", twips);
        xml::setAttribute(indent, "w:firstLineChars", hundredths);
    } else if (characters < 0) {
        // The first line stays at the margin and the others stand in, as the hosts show a hanging indent.
        xml::setAttribute(indent, "w:left", twips);
        xml::setAttribute(indent, "w:leftChars", hundredths);
        xml::setAttribute(indent, "w:hanging", twips);
        xml::setAttribute(indent, "w:hangingChars", hundredths);
    }
}

void setLeftIndent(pugi::xml_node properties, float characters, const UnitMeasures& units) {
    pugi::xml_node indent = xml::ensureChild(properties, "w:ind", xml::paragraphPropertyOrder);
    xml::setAttribute(indent, "w:left", std::lround(characters * static_cast<float>(units.character)));
    xml::setAttribute(indent, "w:leftChars", std::lround(characters * 100));
}

void setLineSpacing(pugi::xml_node spacing, const ParaFormat& format) {
    int rule = format.lineSpacingRule.value_or(-1);
    if (format.lineSpacingRule && (rule < 0 || rule > 5))
        throw Error("行距规则无效（应为 0 到 5）。");
    static constexpr long long fixedLines[] = {240, 360, 480};
    if (rule >= 0 && rule <= 2) {
        xml::setAttribute(spacing, "w:line", fixedLines[rule]);
        xml::setAttribute(spacing, "w:lineRule", "auto");
        return;
    }
    const char* ruleName = rule == 3 ? "atLeast" : rule == 4 ? "exact" : "auto";
    if (rule >= 3)
        xml::setAttribute(spacing, "w:lineRule", ruleName);
    // Points for rules 3 and 4; for "multiple" 12 points are one line, which the file counts in 240ths:
    // twentieths of a point either way.
    if (format.lineSpacing)
        xml::setAttribute(spacing, "w:line", std::lround(*format.lineSpacing * 20));
}

void setSpacing(pugi::xml_node properties, const ParaFormat& format, const UnitMeasures& units) {
    pugi::xml_node spacing = xml::ensureChild(properties, "w:spacing", xml::paragraphPropertyOrder);
    if (format.lineSpacingRule || format.lineSpacing)
        setLineSpacing(spacing, format);
    auto setLines = [&](const char* linesAttribute, const char* twipsAttribute, float lines) {
        xml::setAttribute(spacing, linesAttribute, std::lround(lines * 100));
        xml::setAttribute(spacing, twipsAttribute, std::lround(lines * static_cast<float>(units.line)));
    };
    auto setPoints = [&](const char* linesAttribute, const char* twipsAttribute, float points) {
        spacing.remove_attribute(linesAttribute);
        xml::setAttribute(spacing, twipsAttribute, std::lround(points * 20));
    };
    if (format.spaceBefore)
        setPoints("w:beforeLines", "w:before", *format.spaceBefore);
    if (format.spaceAfter)
        setPoints("w:afterLines", "w:after", *format.spaceAfter);
    if (format.lineUnitBefore)
        setLines("w:beforeLines", "w:before", *format.lineUnitBefore);
    if (format.lineUnitAfter)
        setLines("w:afterLines", "w:after", *format.lineUnitAfter);
}

int alignmentOf(std::string_view value) {
    for (int i = 0; i < 5; ++i) {
        if (value == alignments[i])
            return i;
    }
    return value == "start" ? 0 : value == "end" ? 2 : 0;
}

int lineSpacingRuleOf(pugi::xml_node spacing) {
    std::string_view rule = spacing.attribute("w:lineRule").value();
    long long line = xml::numberAttribute(spacing, "w:line", 240);
    if (rule == "atLeast")
        return 3;
    if (rule == "exact")
        return 4;
    return line == 240 ? 0 : line == 360 ? 1 : line == 480 ? 2 : 5;
}

} // namespace

pugi::xml_node ensureParagraphProperties(pugi::xml_node paragraph) {
    if (pugi::xml_node existing = paragraph.child("w:pPr"))
        return existing;
    return paragraph.prepend_child("w:pPr");
}

pugi::xml_node ensureStyleParagraphProperties(pugi::xml_node style) {
    pugi::xml_node runProperties = ensureStyleRunProperties(style);
    if (pugi::xml_node existing = style.child("w:pPr"))
        return existing;
    return style.insert_child_before("w:pPr", runProperties);
}

void applyParaFormat(pugi::xml_node properties, const ParaFormat& format, const UnitMeasures& units) {
    if (format.alignment)
        setAlignment(properties, *format.alignment);
    if (format.characterUnitLeftIndent)
        setLeftIndent(properties, *format.characterUnitLeftIndent, units);
    if (format.characterUnitFirstLineIndent)
        setFirstLineIndent(properties, *format.characterUnitFirstLineIndent, units);
    if (format.lineSpacingRule || format.lineSpacing || format.spaceBefore || format.spaceAfter ||
        format.lineUnitBefore || format.lineUnitAfter)
        setSpacing(properties, format, units);
}

ParaFormat resolveParaFormat(const std::function<pugi::xml_node(const PropertyKey& key)>& find) {
    auto hundredths = [&](const char* name, const char* attribute) {
        return static_cast<float>(xml::numberAttribute(find({name, {attribute}}), attribute, 0)) / 100.0f;
    };
    auto twentieths = [&](const char* name, const char* attribute, long long fallback) {
        return static_cast<float>(xml::numberAttribute(find({name, {attribute}}), attribute, fallback)) /
               20.0f;
    };
    ParaFormat format;
    format.alignment = alignmentOf(find({"w:jc"}).attribute("w:val").value());
    // A first-line indent and a hanging one exclude each other: the nearest that sets either wins.
    pugi::xml_node indent = find({"w:ind", {"w:firstLineChars", "w:hangingChars"}});
    float hanging = static_cast<float>(xml::numberAttribute(indent, "w:hangingChars", 0)) / 100.0f;
    float firstLine = static_cast<float>(xml::numberAttribute(indent, "w:firstLineChars", 0)) / 100.0f;
    format.characterUnitFirstLineIndent = hanging > 0 ? -hanging : firstLine;
    format.characterUnitLeftIndent = hundredths("w:ind", "w:leftChars");
    pugi::xml_node line = find({"w:spacing", {"w:line", "w:lineRule"}});
    format.lineSpacingRule = lineSpacingRuleOf(line);
    format.lineSpacing = static_cast<float>(xml::numberAttribute(line, "w:line", 240)) / 20.0f;
    format.lineUnitBefore = hundredths("w:spacing", "w:beforeLines");
    format.lineUnitAfter = hundredths("w:spacing", "w:afterLines");
    format.spaceBefore = twentieths("w:spacing", "w:before", 0);
    format.spaceAfter = twentieths("w:spacing", "w:after", 0);
    return format;
}

} // namespace wordproc
