#include "tests/support/HostileInputs.h"

#include "platform/wordproc/Package.h"
#include "platform/wordproc/ZipArchive.h"

#include <stdexcept>
#include <zlib.h>

namespace hostile {

namespace {

constexpr std::string_view DocumentStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><w:body>";
constexpr std::string_view DocumentEnd = "<w:p/><w:sectPr/></w:body></w:document>";
constexpr std::string_view OneRun = "<w:r><w:t>x</w:t></w:r>";

std::string repeated(std::string_view piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::uint32_t crcOf(std::string_view bytes) {
    return static_cast<std::uint32_t>(crc32(
        crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

// Raw deflate of zero bytes. With a full flush the compressor forgets its history, so the piece it
// makes for one chunk decodes on its own and can stand any number of times in a row.
std::string deflateZeros(std::size_t bytes, int flush) {
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("zlib cannot deflate");
    std::string zeros(bytes, '\0');
    std::string out(deflateBound(&stream, static_cast<uLong>(bytes)) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(zeros.data());
    stream.avail_in = static_cast<uInt>(zeros.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    int result = deflate(&stream, flush);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_OK && result != Z_STREAM_END)
        throw std::runtime_error("zlib cannot deflate");
    return out;
}

} // namespace

std::string nestedDocumentXml(Nesting kind, int levels) {
    std::string body;
    switch (kind) {
    case Nesting::CustomXml:
        body = "<w:p>" + repeated("<w:customXml w:element=\"x\">", levels) + std::string(OneRun) +
               repeated("</w:customXml>", levels) + "</w:p>";
        break;
    case Nesting::Hyperlink:
        body = "<w:p>" + repeated("<w:hyperlink w:anchor=\"x\">", levels) + std::string(OneRun) +
               repeated("</w:hyperlink>", levels) + "</w:p>";
        break;
    case Nesting::Table:
        body = repeated("<w:tbl><w:tr><w:tc>", levels) + "<w:p>" + std::string(OneRun) + "</w:p>" +
               repeated("</w:tc></w:tr></w:tbl>", levels);
        break;
    }
    return std::string(DocumentStart) + body + std::string(DocumentEnd);
}

std::string wideDocumentXml(int paragraphs) {
    return std::string(DocumentStart) + repeated("<w:p/>", paragraphs) + std::string(DocumentEnd);
}

std::string withDocumentPart(std::string_view package, const std::string& documentXml) {
    wordproc::Package parts = wordproc::Package::fromBytes(package, "template");
    parts.setPart("word/document.xml", documentXml);
    return parts.toBytes(wordproc::Compression::Small);
}

std::string rawZip(const std::vector<RawEntry>& entries) {
    std::vector<wordproc::PackedBytes> packed;
    packed.reserve(entries.size());
    for (const RawEntry& entry : entries)
        packed.push_back({wordproc::Compression::Small, entry.deflated, entry.crc, entry.size, entry.data});
    std::vector<wordproc::PackedEntry> archive;
    for (std::size_t i = 0; i < entries.size(); ++i)
        archive.push_back({entries[i].name, &packed[i]});
    return wordproc::writePackedZip(archive);
}

std::vector<RawEntry> rawEntriesOf(std::string_view package) {
    std::vector<RawEntry> raw;
    for (wordproc::ZipEntry& entry : wordproc::readZip(package, "package"))
        raw.push_back({entry.name, entry.bytes, false, crcOf(entry.bytes),
                       static_cast<std::uint32_t>(entry.bytes.size())});
    return raw;
}

RawEntry zeroEntry(const std::string& name, std::uint64_t bytes) {
    constexpr std::size_t Chunk = 1 << 20;
    const std::string chunk = deflateZeros(Chunk, Z_FULL_FLUSH);
    const uLong chunkCrc = crcOf(std::string(Chunk, '\0'));
    RawEntry entry{name, "", true, 0, static_cast<std::uint32_t>(bytes)};
    uLong crc = crc32(0, nullptr, 0);
    for (std::uint64_t left = bytes / Chunk; left > 0; --left) {
        entry.data += chunk;
        crc = crc32_combine(crc, chunkCrc, Chunk);
    }
    auto rest = static_cast<std::size_t>(bytes % Chunk);
    entry.data += deflateZeros(rest, Z_FINISH);
    entry.crc = static_cast<std::uint32_t>(
        crc32_combine(crc, crcOf(std::string(rest, '\0')), static_cast<z_off_t>(rest)));
    return entry;
}

std::string inflationBomb(std::string_view package, int parts, std::uint64_t partBytes) {
    std::vector<RawEntry> entries = rawEntriesOf(package);
    RawEntry zeros = zeroEntry("", partBytes);
    for (int i = 1; i <= parts; ++i) {
        zeros.name = "word/media/image" + std::to_string(i) + ".bin";
        entries.push_back(zeros);
    }
    return rawZip(entries);
}

std::string claimedSizePackage(std::string_view package, std::uint32_t claimed) {
    std::vector<RawEntry> entries = rawEntriesOf(package);
    RawEntry small = zeroEntry("word/media/image1.bin", 4096);
    small.size = claimed;
    entries.push_back(small);
    return rawZip(entries);
}

std::string understatedSizePackage(std::string_view package, std::uint32_t claimed, std::uint64_t actual) {
    std::vector<RawEntry> entries = rawEntriesOf(package);
    RawEntry big = zeroEntry("word/media/image1.bin", actual);
    big.size = claimed;
    entries.push_back(big);
    return rawZip(entries);
}

std::string deepRegistryFile(std::size_t levels) {
    std::string file = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER";
    file.reserve(file.size() + levels * 2 + 64);
    for (std::size_t i = 0; i < levels; ++i)
        file += "\\k";
    return file + "]\r\n@=\"deep\"\r\n\r\n";
}

} // namespace hostile
