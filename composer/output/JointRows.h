#pragma once
// The steps that only documents of several authorities take: the masthead as a table of the
// authorities' names beside one "文件" (JointMastheadTable), and the rows of placeholders where the
// authorities put their seals (SealPlaceholderBlock).

#include "composer/output/SlotRows.h"

#include <string>

namespace composer {

// The seal placeholders inserted as one piece: two blank lines, a row of three "发文机关", three blank
// lines, a row of two, and two blank lines before the slot's own text (103 bytes in the settings'
// code page).
const std::string& SealPlaceholderBlock();

namespace slot {

// JointMastheadTable on the document's first table, with two or three authority rows: the profile's
// name, "文件" beside it and the placeholders of the other authorities; a name longer than 20 bytes is
// set at half width; then the masthead font and its boldness on every cell written.
SlotRow jointMasthead(int authorities);
// SealPlaceholderBlock in front of the slot.
SlotRow sealPlaceholders(int paragraph);

} // namespace slot

} // namespace composer
