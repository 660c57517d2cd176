#pragma once
// Reading the registry editor's export format: "Windows Registry Editor Version 5.00" or "REGEDIT4",
// key lines, value lines, deletions, comments and hex values continued over several lines.

#include "platform/registry/KeyNode.h"

#include <string>
#include <string_view>

namespace registry {

// Applies the file's keys, values and deletions to the hive, in file order. The bytes may be UTF-16LE with
// its byte-order mark, UTF-8 with or without one, or GB18030; lines may end in CR LF, LF or CR.
// Throws Error (Syntax) naming the file and the line for anything that it cannot read.
void readRegFile(std::string_view bytes, const std::string& fileName, Hive& hive);

} // namespace registry
