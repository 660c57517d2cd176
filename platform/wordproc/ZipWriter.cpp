// Writing zip archives (ZipArchive.h). The writer speaks zlib itself rather than through libzip: it
// keeps one compressor per thread and level for the life of the program and resets it for every part,
// where a compressor made per part costs a quarter megabyte of state, got from the system and given
// back each time.
#include "platform/wordproc/Error.h"
#include "platform/wordproc/ZipArchive.h"

#include <limits>
#include <zlib.h>

namespace wordproc {

namespace {

// Parts smaller than this are stored uncompressed in documents saved while a user waits: deflating the
// main part of a filled form (ten to twenty kilobytes) would take longer than all the rest of saving it
// but the disk, to spare a few kilobytes of a draft.
constexpr std::size_t FastStoreLimit = 64 * 1024;

// Entry times are 1980-01-01 00:00, the first date that the format can hold, in every time zone.
constexpr std::uint16_t FixedTime = 0;
constexpr std::uint16_t FixedDate = (0 << 9) | (1 << 5) | 1;

constexpr std::uint16_t VersionStored = 10;   // 1.0: stored entries
constexpr std::uint16_t VersionDeflated = 20; // 2.0: deflated entries
constexpr std::uint16_t NameIsUtf8 = 1 << 11;

// A raw deflate stream (no zlib header: the archive's headers carry the checksum) that is reset for
// every part instead of being made anew.
class Compressor {
public:
    explicit Compressor(int level) {
        if (deflateInit2(&m_stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw Error("无法生成文档包（压缩程序无法启动）。");
    }
    ~Compressor() { deflateEnd(&m_stream); }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // The bytes deflated, or nothing when deflating would not make them smaller.
    bool deflateInto(std::string_view bytes, std::string& out) {
        deflateReset(&m_stream);
        out.resize(deflateBound(&m_stream, static_cast<uLong>(bytes.size())));
        m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        m_stream.avail_in = static_cast<uInt>(bytes.size());
        m_stream.next_out = reinterpret_cast<Bytef*>(out.data());
        m_stream.avail_out = static_cast<uInt>(out.size());
        if (deflate(&m_stream, Z_FINISH) != Z_STREAM_END)
            throw Error("无法生成文档包（压缩失败）。");
        out.resize(m_stream.total_out);
        return out.size() < bytes.size();
    }

private:
    z_stream m_stream{};
};

Compressor& compressorFor(Compression compression) {
    thread_local Compressor fast(1);
    thread_local Compressor small(9);
    return compression == Compression::Fast ? fast : small;
}

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint32_t narrow(std::uint64_t value) {
    // Packages are bounded far below the 4 GB that needs the format's 64-bit extension.
    if (value > std::numeric_limits<std::uint32_t>::max())
        throw Error("无法生成文档包（文档过大）。");
    return static_cast<std::uint32_t>(value);
}

bool isAscii(std::string_view name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// The fields that the local and the central header share, from "version needed" to the extra field's
// length.
void putCommonFields(std::string& out, std::string_view name, const PackedBytes& packed) {
    put16(out, packed.deflated ? VersionDeflated : VersionStored);
    put16(out, isAscii(name) ? 0 : NameIsUtf8);
    put16(out, packed.deflated ? Z_DEFLATED : 0);
    put16(out, FixedTime);
    put16(out, FixedDate);
    put32(out, packed.crc);
    put32(out, narrow(packed.data.size()));
    put32(out, narrow(packed.size));
    put16(out, narrow(name.size()));
    put16(out, 0); // no extra field
}

void putCentralEntry(std::string& directory, std::string_view name, const PackedBytes& packed,
                     std::uint64_t offset) {
    put32(directory, 0x02014b50);
    put16(directory, VersionDeflated); // made by: MS-DOS, version 2.0
    putCommonFields(directory, name, packed);
    put16(directory, 0); // comment length
    put16(directory, 0); // disk
    put16(directory, 0); // internal attributes
    put32(directory, 0); // external attributes
    put32(directory, narrow(offset));
    directory += name;
}

void putEnd(std::string& archive, std::size_t entries, std::uint64_t directoryBytes, std::uint64_t offset) {
    put32(archive, 0x06054b50);
    put16(archive, 0); // this disk
    put16(archive, 0); // the directory's disk
    if (entries > 0xFFFF)
        throw Error("无法生成文档包（部件过多）。");
    put16(archive, static_cast<std::uint32_t>(entries));
    put16(archive, static_cast<std::uint32_t>(entries));
    put32(archive, narrow(directoryBytes));
    put32(archive, narrow(offset));
    put16(archive, 0); // comment length
}

const PackedBytes& packedFor(const ZipEntry& entry, Compression compression,
                             std::shared_ptr<const PackedBytes>& fresh) {
    if (entry.packed && entry.packed->compression == compression && entry.packed->size == entry.bytes.size())
        return *entry.packed;
    fresh = packBytes(entry.bytes, compression);
    return *fresh;
}

} // namespace

std::shared_ptr<const PackedBytes> packBytes(std::string_view bytes, Compression compression) {
    auto packed = std::make_shared<PackedBytes>();
    packed->compression = compression;
    packed->size = bytes.size();
    packed->crc = static_cast<std::uint32_t>(
        crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
    bool store = compression == Compression::Fast && bytes.size() < FastStoreLimit;
    packed->deflated = !store && compressorFor(compression).deflateInto(bytes, packed->data);
    if (!packed->deflated)
        packed->data.assign(bytes);
    return packed;
}

std::string writeZip(const std::vector<const ZipEntry*>& entries, Compression compression) {
    std::vector<std::shared_ptr<const PackedBytes>> fresh(entries.size());
    std::vector<PackedEntry> packed;
    packed.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        packed.push_back({entries[i]->name, &packedFor(*entries[i], compression, fresh[i])});
    return writePackedZip(packed);
}

std::string writePackedZip(const std::vector<PackedEntry>& entries) {
    std::string archive;
    std::string directory;
    std::size_t estimate = 22;
    for (const PackedEntry& entry : entries)
        estimate += entry.packed->data.size() + 2 * entry.name.size() + 76;
    archive.reserve(estimate);
    for (const PackedEntry& entry : entries) {
        putCentralEntry(directory, entry.name, *entry.packed, archive.size());
        put32(archive, 0x04034b50);
        putCommonFields(archive, entry.name, *entry.packed);
        archive += entry.name;
        archive += entry.packed->data;
    }
    std::uint64_t directoryOffset = archive.size();
    archive += directory;
    putEnd(archive, entries.size(), directory.size(), directoryOffset);
    return archive;
}

} // namespace wordproc
