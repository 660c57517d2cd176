#pragma once
// SuggestScalePercent: the horizontal scale that lets a masthead of a given length fill the line.

#include <cstddef>
#include <optional>
#include <string>

namespace composer {

// The suggested scale in percent for a masthead of so many code-page bytes, or nothing for the odd
// lengths from 21 to 41, for which no value is suggested.
std::optional<std::string> suggestedScalePercent(std::size_t mastheadBytes);

} // namespace composer
