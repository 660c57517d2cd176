#pragma once
// Zip archives in memory: the container of every OOXML package. Writing is deterministic: the same
// entries give the same bytes on every run, in every time zone.

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

// Every entry of the archive, in archive order. Throws Error("<what>: <reason>") when the bytes are not a
// zip archive or an entry is damaged; `what` names the source for the message.
std::vector<ZipEntry> readZip(std::string_view bytes, const std::string& what);

// The archive of the entries in the given order, with fixed timestamps and attributes.
std::string writeZip(const std::vector<const ZipEntry*>& entries, Compression compression);

} // namespace wordproc
