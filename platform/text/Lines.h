#pragma once
// Line breaks as the system reads them: CR LF, CR or LF each end one line.

#include <string>
#include <string_view>
#include <vector>

namespace text {

// Splits at CR LF, CR or LF. An empty line is an empty entry; a final break adds no entry; empty text
// gives no entries.
std::vector<std::string> splitLines(std::string_view text);

// Joins with CR LF between the lines and none after the last.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// Writes every line break (CR LF, CR or LF) as the given one; nothing is added or removed.
std::string withLineBreak(std::string_view text, std::string_view lineBreak);
// withLineBreak with CR LF.
std::string withCrLf(std::string_view text);

// Removes blanks and control characters (code points up to U+0020) from both ends.
std::string trimmed(std::string_view text);

} // namespace text
