#pragma once

#include <cstdint>
#include <string>

namespace composer {

// A file's size in bytes (the low 32 bits, signed), 0 for a folder, -1 when nothing of that name exists.
// A relative name is taken against the current directory.
std::int32_t FileSizeByName(const std::string& fileName);

} // namespace composer
