#pragma once
// The rows of the slips: a value as the form holds it (no placeholder, no format) written into a
// paragraph, a bookmark or a table cell, and the slips' title lines.

#include "composer/output/SlotRows.h"

#include <functional>
#include <string>

namespace composer {

// A text that a row takes from the run's values: a member (&OutputValues::title) or a function below.
using ValueText = std::function<std::string(const OutputValues&)>;

namespace value {
// The first signer, or nothing for a form without signers.
std::string firstSigner(const OutputValues& v);
// The level and its mark, nothing without a level.
std::string secrecy(const OutputValues& v);
// abbreviation〔year〕serial号.
std::string documentNumber(const OutputValues& v);
// The three date texts as they stand.
std::string date(const OutputValues& v);
// The copy-to units followed by "。"; nothing without units.
std::string copyToSentence(const OutputValues& v);
// The attachment lines in their order, every line after the first on a new line behind six blanks.
std::string attachmentLines(const OutputValues& v);
} // namespace value

// The width in percent of a slip title for the authority's name: 90, 66 for names over 16 code-page
// bytes, 50 for names over 30, so that the title stays on one line.
int slipTitleScaling(const std::string& authority);

namespace slot {

enum class Insert { Before, After };
// The value at the start of the paragraph (Before) or behind it (After; the end of the cell on a cell's
// last paragraph); nothing for an empty value.
SlotRow plainText(int paragraph, Insert where, ValueText text);
// The bookmark's text becomes the value, an empty one included.
SlotRow bookmarkText(const char* bookmark, ValueText text);
// Cell (row, column) of the first table becomes the profile's name + suffix, in the masthead font.
SlotRow titleCell(int row, int column, const char* suffix);
// The bookmark becomes the profile's name + suffix, centred, at the width of slipTitleScaling.
SlotRow scaledTitle(const char* bookmark, const char* suffix);

} // namespace slot

} // namespace composer
