#include "platform/wordproc/TemplateCache.h"

#include "platform/wordproc/Error.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace wordproc {

namespace {

// Enough for the templates of a session (a form uses one or two); each holds a few small parsed parts.
constexpr std::size_t KeptTemplates = 16;

// A file stamp that a changed file cannot keep: a rewrite in place moves the change time, a file put in
// its place has another inode.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               sameTime(modified, other.modified) && sameTime(changed, other.changed);
    }

private:
    static bool sameTime(const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

// A file written in the same tick of the file system's clock as it was read may have changed after
// the reading without changing its stamp; until its stamp is older than this, its bytes are compared.
constexpr std::time_t RacySeconds = 2;

bool isRecent(const FileStamp& stamp) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    auto recent = [&](const timespec& time) { return time.tv_sec + RacySeconds >= now.tv_sec; };
    return recent(stamp.modified) || recent(stamp.changed);
}

struct Entry {
    std::string path;
    FileStamp stamp;
    std::string racyBytes; // the file's bytes while its stamp is recent, else empty
    ParsedPackage parts;
    std::uint64_t lastUse = 0;
};

class Cache {
public:
    ParsedPackage parsed(const std::string& path) {
        std::lock_guard guard(m_lock);
        ++m_uses;
        std::optional<FileStamp> stamp = stampOf(path);
        Entry* entry = find(path);
        if (entry && stamp && *stamp == entry->stamp && stillTheSame(*entry)) {
            entry->lastUse = m_uses;
            return entry->parts.copy();
        }
        if (entry)
            std::erase_if(m_entries, [&](const Entry& kept) { return &kept == entry; });
        return readAndKeep(path, stamp);
    }

private:
    Entry* find(const std::string& path) {
        auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [&](const Entry& entry) { return entry.path == path; });
        return it == m_entries.end() ? nullptr : &*it;
    }

    // For an entry read while its file was recent: whether the file still holds the bytes read.
    static bool stillTheSame(Entry& entry) {
        if (entry.racyBytes.empty())
            return true;
        try {
            if (Package::readFileBytes(entry.path) != entry.racyBytes)
                return false;
        } catch (const Error&) {
            return false;
        }
        if (!isRecent(entry.stamp))
            entry.racyBytes.clear();
        return true;
    }

    ParsedPackage readAndKeep(const std::string& path, const std::optional<FileStamp>& before) {
        std::string bytes = Package::readFileBytes(path);
        ParsedPackage parts =
            ParsedPackage::parse(Package::fromBytes(bytes, cannotOpen(path)), cannotOpen(path));
        // A file that changed while it was read is used as read but not kept.
        if (!before || stampOf(path) != before)
            return parts;
        // Documents are saved fast: the parts that they leave as they are are packed once, here.
        parts.package.packParts(Compression::Fast);
        if (m_entries.size() >= KeptTemplates)
            m_entries.erase(
                std::min_element(m_entries.begin(), m_entries.end(),
                                 [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
        Entry& entry = m_entries.emplace_back();
        entry.path = path;
        entry.stamp = *before;
        if (isRecent(*before))
            entry.racyBytes = std::move(bytes);
        entry.parts = std::move(parts);
        entry.lastUse = m_uses;
        return entry.parts.copy();
    }

    std::mutex m_lock;
    std::vector<Entry> m_entries;
    std::uint64_t m_uses = 0;
};

} // namespace

ParsedPackage parsedTemplate(const std::string& path) {
    static Cache cache;
    return cache.parsed(path);
}

} // namespace wordproc
