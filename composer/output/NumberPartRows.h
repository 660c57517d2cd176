#pragma once
// Slot rows of the kinds whose number is a free left part, a serial and a free right part (meeting
// minutes, work briefings): the number, the printing office and the date side by side under it, and
// the units lines of their printing block.

#include "composer/output/SlotRows.h"

namespace composer::slot {

// left part + serial + right part in front of the slot's text, in the title font.
SlotRow numberParts(int paragraph);
// The date alone (no authority line): behind the slot in administrative style, in front of its text in
// party style. The slot is the last paragraph of its cell, so both stay in it.
SlotRow dateBesideName(int paragraph);
// The printing office's name behind the slot, which is the last paragraph of its cell.
SlotRow officeName(int paragraph);
// The office and date lines in 楷体, in the order given.
SlotRow kaiLines(int first, int second);
// The office and date lines narrowed for a long office name: 85 % above 26 bytes, 75 % above 32.
SlotRow narrowedForLongName(int name, int date);
// label + the units + "。" in front of the slot's text, written also when there are no units.
SlotRow unitsLine(int paragraph, const char* label);
// A new empty paragraph above the slot, left for the line written next, then "抄送：…。" in front of the
// slot's own text (one paragraph lower by then); nothing without copy-to units.
SlotRow copyToBelowSplit(int paragraph);

} // namespace composer::slot
