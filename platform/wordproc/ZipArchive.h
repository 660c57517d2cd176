#pragma once
// Zip archives in memory: the container of every OOXML package. Writing is deterministic: the same
// entries give the same bytes on every run, in every time zone.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

// How hard the writer compresses: Fast, for documents saved while a user waits, deflates parts of 64 KB
// and more quickly and stores the others; Small, for the installed templates, deflates every part hard.
enum class Compression { Fast, Small };

// An entry's bytes as the archive holds them: packed once, they serve every archive that holds the same
// bytes (the parts that the documents made from one template leave as they are).
struct PackedBytes {
    Compression compression;
    bool deflated = false;
    std::uint32_t crc = 0;
    std::uint64_t size = 0; // unpacked
    std::string data;       // as stored in the archive
};

struct ZipEntry {
    std::string name; // the entry's path inside the archive, without a leading "/"
    std::string bytes;
    // The bytes packed before, or null. Whoever changes `bytes` drops it.
    std::shared_ptr<const PackedBytes> packed = nullptr;
};

// The bytes packed as writeZip packs them with that compression.
std::shared_ptr<const PackedBytes> packBytes(std::string_view bytes, Compression compression);

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

// The archive of the entries in the given order, with fixed timestamps and attributes. An entry packed
// before with the same compression is taken as packed; the others are packed now.
std::string writeZip(const std::vector<const ZipEntry*>& entries, Compression compression);

// The archive of entries as packed, in the given order. Each entry's headers say what its packed form
// says, its sizes and checksum included, whether or not its data bear them out.
struct PackedEntry {
    std::string_view name;
    const PackedBytes* packed;
};
std::string writePackedZip(const std::vector<PackedEntry>& entries);

} // namespace wordproc
