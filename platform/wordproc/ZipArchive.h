#pragma once
// Zip archives in memory: the container of every OOXML package. Writing is deterministic: the same
// entries give the same bytes on every run, in every time zone.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

struct ZipEntry {
    std::string name; // the entry's path inside the archive, without a leading "/"
    std::string bytes;
};

// How hard the writer compresses: Fast, for documents saved while a user waits, deflates the larger
// parts quickly and stores the small ones; Small, for the installed templates, deflates every part hard.
enum class Compression { Fast, Small };

// What a reader unpacks at most. Real packages stay far below: a template is a few dozen kilobytes, a
// document with photographs some megabytes; a package that claims more is refused before anything of
// it is allocated, and one that inflates to more than it claims is damaged.
struct ZipLimits {
    std::uint64_t partBytes = 64ull << 20;     // one entry, unpacked
    std::uint64_t packageBytes = 256ull << 20; // all entries together, unpacked
    std::uint64_t parts = 10000;               // entries
};

// Every entry of the archive, in archive order. Throws Error("<what>：<reason>。") when the bytes are not
// a zip archive, an entry is damaged or the archive is larger than the limits; `what` names the source.
std::vector<ZipEntry> readZip(std::string_view bytes, const std::string& what, const ZipLimits& limits = {});

// The archive of the entries in the given order, with fixed timestamps and attributes.
std::string writeZip(const std::vector<const ZipEntry*>& entries, Compression compression);

} // namespace wordproc
