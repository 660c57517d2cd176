#include "composer/core/ListFile.h"

#include "composer/core/ProcessPaths.h"
#include "platform/text/Lines.h"
#include "platform/text/TextFile.h"

namespace composer {

std::string listFilePath(const std::string& suffix) {
    return paths().IniPath + suffix;
}

std::vector<std::string> readListFile(const std::string& path) {
    return text::splitLines(text::readCodePageFile(path));
}

void writeListFile(const std::string& path, const std::vector<std::string>& entries) {
    std::string content;
    for (const std::string& entry : entries)
        content += entry + "\r\n";
    text::writeCodePageFile(path, content);
}

void writeListText(const std::string& path, const std::string& text) {
    text::writeCodePageFile(path, text::withCrLf(text));
}

} // namespace composer
