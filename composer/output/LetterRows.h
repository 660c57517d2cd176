#pragma once
// The step that only the letter (信函式) takes: its copy-to line, written into the printing block's one
// cell behind the subject line, above a copies line written before it.

#include "composer/output/SlotRows.h"

namespace composer::slot {

// "抄送：…。" (two blanks in front in administrative style) on a line of its own behind the slot, which
// is the last paragraph of its cell: at the end of the cell, or, where a copies line stands behind the
// slot already, in front of it. The line is justified, in the body font; nothing without copy-to units.
SlotRow copyToBehindSubject(int paragraph);

} // namespace composer::slot
