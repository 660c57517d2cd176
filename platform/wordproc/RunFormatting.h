#pragma once
// Character formatting as run properties (w:rPr): writing a CharFormat, and reading the format that
// applies to a run through the styles.

#include "platform/wordproc/Formats.h"
#include "platform/wordproc/StyleSheet.h"

#include <pugixml.hpp>

#include <functional>
#include <string>

namespace wordproc {

// The w:rPr of a run, a paragraph mark (w:pPr/w:rPr) or a style, made where missing.
pugi::xml_node ensureRunProperties(pugi::xml_node run);
pugi::xml_node ensureMarkProperties(pugi::xml_node paragraph);
pugi::xml_node ensureStyleRunProperties(pugi::xml_node style);

// Writes every field that is set, in the schema's order. Throws Error for values out of the hosts'
// range (a size of 0, a scaling outside 1-600).
void applyCharFormat(pugi::xml_node runProperties, const CharFormat& format);

// Finds the element of a property by name where the format applies (run, paragraph mark or style),
// following the inheritance of StyleSheet.
using PropertyLookup = std::function<pugi::xml_node(const PropertyKey& key)>;

// The character format that the lookup finds.
CharFormat resolveCharFormat(const PropertyLookup& find);

// "RRGGBB" for a host colour (BGR), "auto" for the automatic colour; and back.
std::string colorToHex(int bgr);
int hexToColor(std::string_view hex);

} // namespace wordproc
