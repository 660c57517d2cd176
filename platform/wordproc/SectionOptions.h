#pragma once
// The page setup fields beyond margins, paper and grid measures: how a section starts, its trays, line
// numbers, vertical alignment, layout mode and gutter side, and the printing and header options that the
// hosts keep for the whole document (w:sectPr and the settings part).

#include "platform/wordproc/Formats.h"

#include <pugixml.hpp>

namespace wordproc {

class DocumentModel;

// Writes the fields of the section (w:sectPr) that are set. Throws Error for a value that the hosts do
// not have.
void applySectionOptions(pugi::xml_node section, const PageFormat& format);

// Writes the fields that belong to the whole document into the settings part, made when needed.
void applyDocumentOptions(DocumentModel& model, const PageFormat& format);

// Reads the same fields of a section; `settings` may be null (a package without settings).
void readSectionOptions(pugi::xml_node section, pugi::xml_node settings, PageFormat& format);

// The w:type value for a section start (0 to 4), or null for another number.
const char* sectionStartName(int start);

} // namespace wordproc
