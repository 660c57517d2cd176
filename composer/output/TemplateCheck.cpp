#include "composer/output/TemplateCheck.h"

#include "composer/core/FileSize.h"
#include "composer/core/ProcessPaths.h"

namespace composer {

const std::vector<TemplateSize>& installedTemplateSizes() {
    // Made by the build from the template set it builds.
    static const std::vector<TemplateSize> sizes = {
#include "TemplateSizes.inc"
    };
    return sizes;
}

std::optional<std::string> firstDamagedTemplate(const std::string& folder) {
    for (const TemplateSize& t : installedTemplateSizes()) {
        if (FileSizeByName(folder + "/" + t.file) != t.bytes)
            return t.file;
    }
    return std::nullopt;
}

void VerifyTemplateSizes() {
    if (firstDamagedTemplate(paths().TemplateFolder))
        throw TemplateDamaged();
}

} // namespace composer
