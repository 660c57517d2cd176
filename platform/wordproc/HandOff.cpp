#include "platform/wordproc/HandOff.h"

#include "platform/shell/DesktopOpener.h"
#include "platform/shell/Shell.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/Error.h"

#include <iostream>
#include <mutex>
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
