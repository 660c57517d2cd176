#include "platform/text/TextFile.h"

#include "platform/text/Encoding.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace text {

namespace {

std::string openError(const std::string& path, int error) {
    return "Cannot open file \"" + path + "\". " + std::strerror(error);
}

std::string createError(const std::string& path, int error) {
    return "Cannot create file \"" + path + "\". " + std::strerror(error);
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Removes the temporary file unless the write was committed.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : m_path(std::move(path)) {}
    ~TemporaryFile() {
        if (!m_committed)
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }
    void commit() { m_committed = true; }

private:
    std::string m_path;
    bool m_committed = false;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A file without any write permission counts as read-only even for the superuser, as the desktop's
// read-only attribute does.
bool isReadOnlyFile(const struct stat& info) {
    return (info.st_mode & 0222) == 0;
}

} // namespace

std::string readBinaryFile(const std::string& path) {
    return readBinaryFile(path, std::numeric_limits<std::size_t>::max());
}

std::string readBinaryFile(const std::string& path, std::size_t maxBytes) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(openError(path, errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        throw FileError(openError(path, errno));
    if (S_ISDIR(info.st_mode))
        throw FileError(openError(path, EISDIR));
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError(openError(path, errno));
        if (got == 0)
            break;
        if (static_cast<std::size_t>(got) > maxBytes - bytes.size())
            throw FileTooLarge(openError(path, EFBIG));
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::string readCodePageFile(const std::string& path) {
    return gb18030ToUtf8(readBinaryFile(path));
}

void writeBinaryFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError(createError(path, EISDIR));
    if (exists && isReadOnlyFile(existing))
        throw FileError(createError(path, EACCES));

    std::string pattern = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(pattern.data()));
    if (fd.get() < 0)
        throw FileError(createError(path, errno));
    TemporaryFile temporary(pattern);
    mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
    if (::fchmod(fd.get(), mode) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        throw FileError(createError(path, errno));
    if (::close(fd.release()) != 0)
        throw FileError(createError(path, errno));
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        throw FileError(createError(path, errno));
    temporary.commit();
}

void writeCodePageFile(const std::string& path, std::string_view utf8) {
    writeBinaryFileAtomically(path, utf8ToGb18030(utf8));
}

} // namespace text
