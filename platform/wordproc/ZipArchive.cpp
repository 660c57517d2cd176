#include "platform/wordproc/ZipArchive.h"

#include "platform/wordproc/Error.h"

#include <memory>
#include <zip.h>

namespace wordproc {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using EntryFile = std::unique_ptr<zip_file_t, FileCloser>;
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

std::string describe(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string reasonFor(int code) {
    switch (code) {
    case ZIP_ER_NOZIP:
        return "不是 OOXML 文档包";
    case ZIP_ER_CRC:
    case ZIP_ER_INCONS:
    case ZIP_ER_ZLIB:
    case ZIP_ER_EOF:
    case ZIP_ER_COMPNOTSUPP:
        return "文档包已损坏（" + describe(code) + "）";
    default:
        return "无法读取文档包（" + describe(code) + "）";
    }
}

[[noreturn]] void fail(const std::string& what, int code) {
    throw Error(what + "：" + reasonFor(code) + "。");
}

[[noreturn]] void failWith(const std::string& what, const std::string& reason) {
    throw Error(what + "：" + reason + "。");
}

std::string megabytes(std::uint64_t bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

// The entry's unpacked bytes, read in pieces so that no more is held than was actually inflated, and
// never more than the `size` its headers claim.
std::string inflate(zip_file_t* file, zip_uint64_t size, const std::string& what, const std::string& part) {
    std::string bytes;
    bytes.reserve(size);
    char buffer[65536];
    for (;;) {
        zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            int code = zip_error_code_zip(zip_file_get_error(file));
            fail(what, code != ZIP_ER_OK ? code : ZIP_ER_CRC);
        }
        if (got == 0)
            break;
        // Data that inflates to more than its header said is damaged, whatever the checksum says.
        if (bytes.size() + static_cast<std::size_t>(got) > size)
            failWith(what, "文档包已损坏（部件“" + part + "”解压后比记录的大小长）");
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    if (bytes.size() != size)
        failWith(what, "文档包已损坏（部件“" + part + "”解压后比记录的大小短）");
    return bytes;
}

// The entry's bytes. The sizes that its headers claim are checked before anything is allocated for
// them: against the limit of a part and against `room`, what the package may still unpack, which then
// shrinks by the entry's size.
std::string readEntry(zip_t* archive, zip_uint64_t index, const std::string& what, const ZipLimits& limits,
                      std::uint64_t& room) {
    zip_stat_t stat;
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        fail(what, zip_error_code_zip(zip_get_error(archive)));
    const std::string part = stat.name ? stat.name : "";
    if (stat.size > limits.partBytes)
        failWith(what, "文档包过大（部件“" + part + "”解压后超过 " + megabytes(limits.partBytes) + "）");
    if (stat.size > room)
        failWith(what, "文档包过大（解压后超过 " + megabytes(limits.packageBytes) + "）");
    EntryFile file(zip_fopen_index(archive, index, 0));
    if (!file)
        fail(what, zip_error_code_zip(zip_get_error(archive)));
    std::string bytes = inflate(file.get(), stat.size, what, part);
    room -= stat.size;
    return bytes;
}

} // namespace

std::vector<ZipEntry> readZip(std::string_view bytes, const std::string& what, const ZipLimits& limits) {
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    if (!source)
        fail(what, zip_error_code_zip(&error));
    Archive archive(zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        fail(what, code);
    }
    source.release(); // the archive owns the source now
    std::vector<ZipEntry> entries;
    zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (static_cast<std::uint64_t>(count) > limits.parts)
        failWith(what, "文档包里的部件过多（超过 " + std::to_string(limits.parts) + " 个）");
    std::uint64_t room = limits.packageBytes;
    for (zip_int64_t i = 0; i < count; ++i) {
        auto index = static_cast<zip_uint64_t>(i);
        const char* name = zip_get_name(archive.get(), index, ZIP_FL_ENC_GUESS);
        if (!name)
            fail(what, zip_error_code_zip(zip_get_error(archive.get())));
        entries.push_back({name, readEntry(archive.get(), index, what, limits, room)});
    }
    return entries;
}

} // namespace wordproc
