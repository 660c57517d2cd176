#pragma once
// Paragraph formatting as paragraph properties (w:pPr): writing a ParaFormat, and reading the format
// that applies to a paragraph through the styles.

#include "platform/wordproc/Formats.h"
#include "platform/wordproc/StyleSheet.h"

#include <pugixml.hpp>

#include <functional>

namespace wordproc {

// The measures that character and line units stand for in one paragraph, in twips.
struct UnitMeasures {
    int character = 320; // the width of one character of the paragraph's font
    int line = 240;      // the height of one line: the document grid's pitch, or 12 pt
};

// The w:pPr of a paragraph or a style, made where missing.
pugi::xml_node ensureParagraphProperties(pugi::xml_node paragraph);
pugi::xml_node ensureStyleParagraphProperties(pugi::xml_node style);

// Writes every field that is set, in the schema's order. Indents and spacing in character and line units
// are written together with their twips, which some readers use alone. Throws Error for an alignment
// or line-spacing rule that the hosts do not have.
void applyParaFormat(pugi::xml_node paragraphProperties, const ParaFormat& format, const UnitMeasures& units);

// The paragraph format that the lookup finds (see RunFormatting.h).
ParaFormat resolveParaFormat(const std::function<pugi::xml_node(const PropertyKey& key)>& find);

} // namespace wordproc
