#pragma once
// An OPC package held in memory: its parts by name, in archive order. The packager of the engine: it
// owns reading and writing the archive; the parts' contents belong to their own readers and writers.

#include "platform/wordproc/ZipArchive.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

class Package {
public:
    Package() = default;

    // Reads a package file. Throws Error naming the file when it is missing, unreadable, not a zip
    // package or damaged.
    static Package readFile(const std::string& path);
    // The bytes of a package file, at most as many as a package may unpack to. Throws Error naming the
    // file when it is missing, a folder, too large or unreadable.
    static std::string readFileBytes(const std::string& path);
    // Reads a package from bytes; `what` names it in messages.
    static Package fromBytes(std::string_view bytes, const std::string& what);

    bool contains(std::string_view name) const { return find(name) != nullptr; }
    // The part's bytes, or nullptr.
    const std::string* find(std::string_view name) const;
    // Replaces the part's bytes, or adds the part at the end of the archive order.
    void setPart(std::string_view name, std::string bytes);
    // Packs every part for archives of that compression, so that copies of the package that leave a
    // part as it is do not pack it again.
    void packParts(Compression compression);
    void removePart(std::string_view name);
    std::vector<std::string> partNames() const;

    // The archive, "[Content_Types].xml" first and the other parts in their order. The same parts give
    // the same bytes.
    std::string toBytes(Compression compression) const;

private:
    std::vector<ZipEntry> m_parts;
};

// "无法打开文件“<path>”" and the reason: the start of every message about a file the engine reads.
std::string cannotOpen(const std::string& path);

} // namespace wordproc
