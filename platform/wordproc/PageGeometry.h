#pragma once
// Page measures of sections (w:sectPr), and the character grid that PageSetup.CharsLine asks for.

#include <pugixml.hpp>

#include <vector>

namespace wordproc {

class DocumentModel;

// The sections' properties in document order: those that end a section inside the body, then the
// body's own, which ends the last section.
std::vector<pugi::xml_node> sectionsOf(pugi::xml_node body);

// What one line of the document grid measures, in twips: its pitch when the grid has lines, else 12 pt.
int lineUnitTwips(pugi::xml_node body);

// The width between the margins, in twips.
int textWidthTwips(pugi::xml_node section);

// Makes `charsLine` characters of the body style fill a line of the first section: the body style's
// character spacing is set so that exactly that many fit (the way that every reader lays out alike),
// and a grid that would also stretch characters keeps its lines only.
void applyCharacterGrid(DocumentModel& model, int charsLine);

// How many characters of the body style fit a line of the first section now.
int charactersPerLine(DocumentModel& model);

} // namespace wordproc
