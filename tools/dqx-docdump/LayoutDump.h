#pragma once
// The page layout of a document, for tests of the section tools: the document's page settings, each
// section's page setup, pages and footer numbers, the paragraphs with exact or minimum line spacing,
// and each shape's anchor, place, size, text direction and frame. Lengths in centimetres.

#include <ostream>

namespace automation {
class Document;
}

namespace docdump {

void dumpLayout(const automation::Document& doc, std::ostream& out);

} // namespace docdump
