#pragma once
// The typefaces that documents name and that this platform resolves by rules of its own: the fontconfig
// rules in 50-dqx-template-fonts.conf beside this file, installed by tools/setup/fonts.sh. They stand in for
// the faces that the original desktop installed with the system.

#include <string>
#include <vector>

namespace fonts {

// The family names that the rules resolve to a face of the machine, in the order the rules stand. A font
// list offers them even where no installed face bears the name.
const std::vector<std::string>& ruledFamilies();

} // namespace fonts
