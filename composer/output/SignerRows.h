#pragma once
// The step that only the up-going documents take: the signers (签发人) behind the template's label
// "签发人：", the names in 楷体 and the label in the body font.

#include "composer/output/SlotRows.h"

#include <utility>

namespace composer {

namespace slot {

// The signers, one a line, behind the slot's own text: the slot paragraph is set in 楷体 first, so that
// every name takes it, also those that a line break carries into paragraphs of their own; then the label
// at the characters [first, last) goes back to the body font. The slot must be the last paragraph of its
// table cell, so that the names stay in that paragraph behind the label.
SlotRow signerLine(int paragraph, std::pair<int, int> label);

} // namespace slot

} // namespace composer
