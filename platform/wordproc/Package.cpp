#include "platform/wordproc/Package.h"

#include "platform/text/TextFile.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"

#include <algorithm>
#include <filesystem>

namespace wordproc {

std::string cannotOpen(const std::string& path) {
    return "无法打开文件“" + path + "”";
}

Package Package::readFile(const std::string& path) {
    return fromBytes(readFileBytes(path), cannotOpen(path));
}

std::string Package::readFileBytes(const std::string& path) {
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        throw Error(cannotOpen(path) + "：文件不存在。");
    if (std::filesystem::is_directory(status))
        throw Error(cannotOpen(path) + "：这是一个文件夹，不是文档。");
    std::string bytes;
    try {
        // A package file is never larger than what it unpacks to, give or take its headers.
        bytes = text::readBinaryFile(path, ZipLimits().packageBytes);
    } catch (const text::FileTooLarge&) {
        throw Error(cannotOpen(path) + "：文件过大（超过 " + std::to_string(ZipLimits().packageBytes >> 20) +
                    " MB）。");
    } catch (const text::FileError&) {
        throw Error(cannotOpen(path) + "：无法读取文件。");
    }
    return bytes;
}

Package Package::fromBytes(std::string_view bytes, const std::string& what) {
    Package package;
    package.m_parts = readZip(bytes, what);
    if (!package.contains(names::ContentTypesPart) || !package.contains(names::PackageRelationshipsPart))
        throw Error(what + "：不是 OOXML 文档包（缺少内容类型或关系部件）。");
    return package;
}

const std::string* Package::find(std::string_view name) const {
    auto it =
        std::find_if(m_parts.begin(), m_parts.end(), [&](const ZipEntry& part) { return part.name == name; });
    return it == m_parts.end() ? nullptr : &it->bytes;
}

void Package::setPart(std::string_view name, std::string bytes) {
    auto it =
        std::find_if(m_parts.begin(), m_parts.end(), [&](const ZipEntry& part) { return part.name == name; });
    if (it == m_parts.end())
        m_parts.push_back({std::string(name), std::move(bytes)});
    else if (it->bytes != bytes) // bytes that stay keep their packed form
        *it = {std::string(name), std::move(bytes)};
}

void Package::packParts(Compression compression) {
    for (ZipEntry& part : m_parts) {
        if (!part.packed || part.packed->compression != compression)
            part.packed = packBytes(part.bytes, compression);
    }
}

void Package::removePart(std::string_view name) {
    std::erase_if(m_parts, [&](const ZipEntry& part) { return part.name == name; });
}

std::vector<std::string> Package::partNames() const {
    std::vector<std::string> result;
    for (const ZipEntry& part : m_parts)
        result.push_back(part.name);
    return result;
}

std::string Package::toBytes(Compression compression) const {
    // Readers look for the content types first; keep it at the front whatever order the parts came in.
    std::vector<const ZipEntry*> ordered;
    ordered.reserve(m_parts.size());
    for (const ZipEntry& part : m_parts) {
        if (part.name == names::ContentTypesPart)
            ordered.insert(ordered.begin(), &part);
        else
            ordered.push_back(&part);
    }
    return writeZip(ordered, compression);
}

} // namespace wordproc
