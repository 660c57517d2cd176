#pragma once
// Pick-list files: one entry a line, in the system's 8-bit code page, beside the settings file.

#include <string>
#include <vector>

namespace composer {

// The list file of the given suffix (".jg", ".fs", ".l", ".r", ".qf"): IniPath + suffix.
std::string listFilePath(const std::string& suffix);

// Reads the entries: split at CR LF, CR or LF, an empty line giving an empty entry, a final break adding
// none. Throws text::FileError (the framework's message) when the file cannot be opened.
std::vector<std::string> readListFile(const std::string& path);

// Replaces the whole file atomically with each entry followed by CR LF (the recipient picker's form).
// Throws text::FileError when it cannot be created.
void writeListFile(const std::string& path, const std::vector<std::string>& entries);

// Replaces the whole file atomically with an editor's text as it stands, every line break written as
// CR LF (so lines are separated by CR LF and nothing is added after the last). Throws text::FileError.
void writeListText(const std::string& path, const std::string& text);

} // namespace composer
