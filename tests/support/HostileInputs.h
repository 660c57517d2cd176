#pragma once
// Inputs that once crashed a reader or ran it out of memory, made on demand so that the large ones need
// not be kept in the repository: deeply nested document parts, zip packages whose headers lie or whose
// parts inflate to gigabytes, and registry files with absurdly deep key paths.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hostile {

// What a nested document part repeats: an inline container around a run, or a table in a table cell.
enum class Nesting { CustomXml, Hyperlink, Table };

// A document part whose body holds `levels` nested elements of the kind, with one character inside.
std::string nestedDocumentXml(Nesting kind, int levels);

// A document part of `paragraphs` empty paragraphs: six bytes each, sixteen times that in memory.
std::string wideDocumentXml(int paragraphs);

// The package with its main document part replaced (the parts keep their order).
std::string withDocumentPart(std::string_view package, const std::string& documentXml);

// One entry of a zip written by hand: its data as stored in the archive, and sizes that may be lies.
struct RawEntry {
    std::string name;
    std::string data;       // stored bytes or a raw deflate stream
    bool deflated = false;  // method 8 when true, 0 otherwise
    std::uint32_t crc = 0;  // CRC-32 of the unpacked bytes
    std::uint32_t size = 0; // the unpacked size that both headers claim
};

// A zip archive of the entries exactly as given (no data descriptors, no zip64).
std::string rawZip(const std::vector<RawEntry>& entries);

// The entries of a package as honest raw entries (stored), to mix with hostile ones.
std::vector<RawEntry> rawEntriesOf(std::string_view package);

// An entry of `bytes` zero bytes, deflated; cheap to make whatever the size, about a thousandth of it.
RawEntry zeroEntry(const std::string& name, std::uint64_t bytes);

// The package plus `parts` media parts of `partBytes` zero bytes each: a few megabytes that unpack to
// parts * partBytes.
std::string inflationBomb(std::string_view package, int parts, std::uint64_t partBytes);

// The package plus one small part whose headers claim `claimed` unpacked bytes.
std::string claimedSizePackage(std::string_view package, std::uint32_t claimed);

// The package plus one part whose headers claim `claimed` bytes but whose data inflates to `actual`.
std::string understatedSizePackage(std::string_view package, std::uint32_t claimed, std::uint64_t actual);

// A registry file with one key path of `levels` names under HKEY_CURRENT_USER.
std::string deepRegistryFile(std::size_t levels);

} // namespace hostile
