#include "platform/wordproc/HandOff.h"

#include "platform/shell/DesktopOpener.h"
#include "platform/shell/Shell.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace wordproc {

namespace {

struct HandOffSettings {
    std::mutex lock;
    std::string folder;
    std::function<void(const std::string&)> observer;
    std::function<void(const std::string&)> unopened;
    HandOffOpening opening = HandOffOpening::Desktop;
};

HandOffSettings& settings() {
    static HandOffSettings instance;
    return instance;
}

// A temporary file in the folder that is removed unless it was renamed into place.
class TemporaryDraft {
public:
    explicit TemporaryDraft(const std::string& folder) : m_path(folder + "/.文档-XXXXXX") {
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0)
            throw Error("无法在“" + folder + "”中保存文档：" + std::strerror(errno) + "。");
        // mkstemp makes the file private; a saved document gets the user's usual permissions.
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
    ~TemporaryDraft() {
        if (m_fd >= 0)
            ::close(m_fd);
        ::unlink(m_path.c_str());
    }
    TemporaryDraft(const TemporaryDraft&) = delete;
    TemporaryDraft& operator=(const TemporaryDraft&) = delete;

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw Error("无法保存文档：" + std::string(std::strerror(errno)) + "。");
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        if (::fsync(m_fd) != 0 || ::close(std::exchange(m_fd, -1)) != 0)
            throw Error("无法保存文档：" + std::string(std::strerror(errno)) + "。");
    }

    // Gives the file its name unless a file of that name exists. False: the name is taken.
    bool linkAs(const std::string& name) {
        if (::link(m_path.c_str(), name.c_str()) == 0)
            return true;
        if (errno == EEXIST)
            return false;
        throw Error("无法保存文档“" + name + "”：" + std::strerror(errno) + "。");
    }

private:
    std::string m_path;
    int m_fd = -1;
};

// The N of every "文档N.docx" in the folder.
std::set<int> draftNumbersIn(const std::string& folder) {
    static const std::string prefix = "文档";
    std::set<int> numbers;
    std::error_code error;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".docx"))
            continue;
        std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 5);
        if (!digits.empty() && digits.size() < 10 &&
            digits.find_first_not_of("0123456789") == std::string::npos)
            numbers.insert(std::stoi(digits));
    }
    return numbers;
}

void openOnDesktop(const std::string& path, Flavour host) {
    const std::vector<std::string> preferred =
        host == Flavour::Wps ? std::vector<std::string>{"wps"} : std::vector<std::string>{};
    if (shell::openOnDesktop(path, preferred))
        return;
    std::function<void(const std::string&)> unopened;
    {
        std::lock_guard guard(settings().lock);
        unopened = settings().unopened;
    }
    if (unopened)
        unopened(path);
    else
        std::cerr << "无法启动文字处理程序，文档已保存在：" << path << '\n';
}

} // namespace

void setDraftsFolder(std::string folder) {
    std::lock_guard guard(settings().lock);
    settings().folder = std::move(folder);
}

std::string draftsFolder() {
    std::lock_guard guard(settings().lock);
    if (!settings().folder.empty())
        return settings().folder;
    return shell::GetSpecialFolderPath(shell::ApplicationDataFolder) + "/dqx/drafts";
}

void setHandOffObserver(std::function<void(const std::string&)> observer) {
    std::lock_guard guard(settings().lock);
    settings().observer = std::move(observer);
}

void setHandOffOpening(HandOffOpening opening) {
    std::lock_guard guard(settings().lock);
    settings().opening = opening;
}

void setUnopenedObserver(std::function<void(const std::string&)> observer) {
    std::lock_guard guard(settings().lock);
    settings().unopened = std::move(observer);
}

std::string saveDraft(const std::string& folder, std::string_view bytes) {
    if (!shell::createFolderWithParents(folder))
        throw Error("无法创建文件夹“" + folder + "”。");
    TemporaryDraft draft(folder);
    draft.write(bytes);
    // One look at the folder finds the numbers in use; a name taken meanwhile is skipped at linking.
    std::set<int> taken = draftNumbersIn(folder);
    for (int n = 1;; ++n) {
        if (taken.count(n))
            continue;
        std::string path = folder + "/文档" + std::to_string(n) + ".docx";
        if (draft.linkAs(path))
            return path;
    }
}

void handOver(Document& document) noexcept {
    try {
        std::string path = saveDraft(draftsFolder(), document.toBytes());
        std::function<void(const std::string&)> observer;
        HandOffOpening opening;
        {
            std::lock_guard guard(settings().lock);
            observer = settings().observer;
            opening = settings().opening;
        }
        if (observer)
            observer(path);
        if (opening == HandOffOpening::Desktop)
            openOnDesktop(path, document.flavour());
    } catch (const std::exception& error) {
        std::cerr << "文档未能交给文字处理程序：" << error.what() << '\n';
    } catch (...) {
        std::cerr << "文档未能交给文字处理程序。\n";
    }
}

} // namespace wordproc
