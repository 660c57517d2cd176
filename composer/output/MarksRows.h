#pragma once
// The step of the heads that hold the secrecy and urgency marks in one slot (the letter, the speech): the
// marks written as one text, their second line made by a line break in it.

#include "composer/output/SlipRows.h"

namespace composer::slot {

// The marks' size: the slot's, or the body size set on the slot first (one word processor's copy of
// the letter).
enum class MarksSize { AsSlot, Body };

// The slot is set in 黑体 first (and in the body size, where asked), then the marks go in front of its
// text (`Insert::Before`) or behind it (`Insert::After`): the urgency alone without a level, else the
// level and its mark, with the urgency on a line of its own under them where there is one. Nothing is
// written for no marks at all.
SlotRow marksAsOneText(int paragraph, Insert where, MarksSize size = MarksSize::AsSlot);

} // namespace composer::slot
