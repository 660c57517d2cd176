#pragma once
// VerifyTemplateSizes: the administrative templates must have the sizes they were installed with.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace composer {

// A template that has been changed or lost. what() is the message the user sees.
class TemplateDamaged : public std::runtime_error {
public:
    TemplateDamaged() : std::runtime_error("文件已损坏！请重新安装程序!") {}
};

struct TemplateSize {
    const char* file;
    std::int32_t bytes;
};

// The checked templates of the installed set with their sizes, in the order they are checked.
const std::vector<TemplateSize>& installedTemplateSizes();

// The first checked template in the folder whose size differs (a missing one included), or nothing.
std::optional<std::string> firstDamagedTemplate(const std::string& folder);

// Throws TemplateDamaged when a template in TemplateFolder differs.
void VerifyTemplateSizes();

} // namespace composer
