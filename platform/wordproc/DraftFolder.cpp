#include "platform/wordproc/DraftFolder.h"

#include "platform/shell/Shell.h"
#include "platform/wordproc/Error.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <unistd.h>
#include <utility>

namespace wordproc {

namespace {

const std::string DraftPrefix = "文档";
const std::string DraftSuffix = ".docx";

struct Drafts {
    std::mutex lock;
    std::map<std::string, int> lastNumber; // by folder: the number of the last draft named there
    std::function<void(DraftStep, const std::string&)> observer;
};

Drafts& drafts() {
    static Drafts instance;
    return instance;
}

void observe(DraftStep step, const std::string& path) {
    std::function<void(DraftStep, const std::string&)> observer;
    {
        std::lock_guard guard(drafts().lock);
        observer = drafts().observer;
    }
    if (observer)
        observer(step, path);
}

std::string reasonOf(int error) {
    return std::strerror(error);
}

// Whether an open file can be linked through /proc/self/fd, which naming a file made without a name takes.
bool openFilesCanBeLinked() {
    static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
    return usable;
}

// The draft's own file. Where the file system allows, it is made without a name (O_TMPFILE): it then
// costs the folder one entry, its final one, and nothing is left of it if the program ends first.
// Elsewhere it has a temporary name of the process's, removed unless the draft was named.
class UnnamedDraft {
public:
    explicit UnnamedDraft(const std::string& folder) {
        // Made as any new file of the user's: the kernel applies the umask to 0666.
        m_fd = openFilesCanBeLinked() ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
        if (m_fd >= 0) {
            m_linkFrom = "/proc/self/fd/" + std::to_string(m_fd);
            return;
        }
        static std::atomic<unsigned> counter = 0;
        for (;;) {
            m_temporary =
                folder + "/.文档-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
            m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_linkFrom = m_temporary;
                return;
            }
            if (errno != EEXIST && errno != EINTR) // a name left by an ended process: take the next
                throw Error("无法在“" + folder + "”中保存文档：" + reasonOf(errno) + "。");
        }
    }
    ~UnnamedDraft() {
        ::close(m_fd);
        if (!m_temporary.empty())
            ::unlink(m_temporary.c_str());
    }
    UnnamedDraft(const UnnamedDraft&) = delete;
    UnnamedDraft& operator=(const UnnamedDraft&) = delete;

    // Writes the bytes and puts them on the disk before anything names the file.
    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw Error("无法保存文档：" + reasonOf(errno) + "。");
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        observe(DraftStep::Written, m_linkFrom);
        if (::fsync(m_fd) != 0)
            throw Error("无法保存文档：" + reasonOf(errno) + "。");
        observe(DraftStep::Synced, m_linkFrom);
    }

    // Gives the file the name unless a file of that name exists. False: the name is taken.
    bool nameAs(const std::string& path) {
        observe(DraftStep::Naming, path);
        int follow = m_temporary.empty() ? AT_SYMLINK_FOLLOW : 0;
        if (::linkat(AT_FDCWD, m_linkFrom.c_str(), AT_FDCWD, path.c_str(), follow) == 0)
            return true;
        if (errno == EEXIST)
            return false;
        throw Error("无法保存文档“" + path + "”：" + reasonOf(errno) + "。");
    }

    // Drops the temporary name, if any, of a file that has its own now.
    void dropTemporaryName() {
        if (!m_temporary.empty())
            ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }

private:
    int m_fd = -1;
    std::string m_temporary; // the temporary name, or empty
    std::string m_linkFrom;  // what the file is linked from to name it
};

// The N of "文档N.docx", or 0 for another name.
int draftNumberOf(const std::string& name) {
    if (!name.starts_with(DraftPrefix) || !name.ends_with(DraftSuffix))
        return 0;
    std::string digits =
        name.substr(DraftPrefix.size(), name.size() - DraftPrefix.size() - DraftSuffix.size());
    if (digits.empty() || digits.size() >= 10 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoi(digits);
}

// The number to try first in a folder that no draft of this process went into yet: the first that no
// draft in the folder has.
int firstFreeNumber(const std::string& folder) {
    std::set<int> taken;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        taken.insert(draftNumberOf(entry.path().filename().string()));
    int n = 1;
    while (taken.count(n))
        ++n;
    return n;
}

int numberToTry(const std::string& folder) {
    {
        std::lock_guard guard(drafts().lock);
        auto found = drafts().lastNumber.find(folder);
        if (found != drafts().lastNumber.end())
            return found->second + 1;
    }
    return firstFreeNumber(folder);
}

void rememberNumber(const std::string& folder, int number) {
    std::lock_guard guard(drafts().lock);
    drafts().lastNumber[folder] = number;
}

// Puts the folder's entries on the disk: the draft's name survives a crash only then.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool synced = fd >= 0 && ::fsync(fd) == 0;
    int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw Error("无法在“" + folder + "”中保存文档：" + reasonOf(error) + "。");
    observe(DraftStep::FolderSynced, folder);
}

std::string draftPath(const std::string& folder, int number) {
    return folder + "/" + DraftPrefix + std::to_string(number) + DraftSuffix;
}

} // namespace

std::string saveDraft(const std::string& folder, std::string_view bytes) {
    if (!shell::createFolderWithParents(folder))
        throw Error("无法创建文件夹“" + folder + "”。");
    UnnamedDraft draft(folder);
    draft.write(bytes);
    for (int n = numberToTry(folder);; ++n) {
        std::string path = draftPath(folder, n);
        if (!draft.nameAs(path))
            continue;
        draft.dropTemporaryName();
        rememberNumber(folder, n);
        syncFolder(folder);
        return path;
    }
}

void setDraftStepObserver(std::function<void(DraftStep, const std::string&)> observer) {
    std::lock_guard guard(drafts().lock);
    drafts().observer = std::move(observer);
}

} // namespace wordproc
