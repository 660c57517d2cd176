#include "composer/windows/FontChoices.h"

#include "composer/core/AuthorityProfile.h"

#include <algorithm>

namespace composer {

std::vector<std::string> fontChoices(std::vector<std::string> installed) {
    for (const char* font : {TitleFont, BodyFont})
        if (std::ranges::find(installed, font) == installed.end())
            installed.emplace_back(font);
    std::ranges::sort(installed);
    const auto repeated = std::ranges::unique(installed);
    installed.erase(repeated.begin(), repeated.end());
    return installed;
}

} // namespace composer
