#pragma once
// The font names that the settings window offers.

#include <string>
#include <vector>

namespace composer {

// The installed fonts, sorted, with the two template fonts added when they are not installed: the
// documents name them whatever this machine has.
std::vector<std::string> fontChoices(std::vector<std::string> installed);

} // namespace composer
