#pragma once
// Slot rows of the order (命令（令）): its number line "第…号", the signer's post above the date, and the
// body font that one word processor's copy sets on the date's slot.

#include "composer/output/SlotRows.h"

#include <string>

namespace composer::slot {

// "第" + the order number + "号" in front of the slot's text, the slot centred in 黑体.
SlotRow orderNumber(int paragraph);
// The signer's post, eight blanks in front of it, on a line of its own above the slot's text.
SlotRow signerPostLine(int paragraph);
// The slot set in one of the profile's fonts (its name only).
SlotRow paragraphFont(int paragraph, std::string AuthorityProfile::*font);

} // namespace composer::slot
