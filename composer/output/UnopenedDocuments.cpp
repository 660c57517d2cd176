#include "composer/output/UnopenedDocuments.h"

#include "composer/core/DesktopOpen.h"
#include "platform/ui/Application.h"
#include "platform/wordproc/HandOff.h"

#include <string>
#include <utility>
#include <vector>

namespace composer {

namespace {

std::vector<std::string>& pending() {
    static std::vector<std::string> paths;
    return paths;
}

void noteUnopened(const std::string& path) {
    pending().push_back(path);
    // The hand-off happens while a document is let go of, possibly in the middle of a failing run;
    // the message waits for the message loop unless the output procedure shows it first.
    ui::Application::current().post([] { reportUnopenedDocuments(); });
}

} // namespace

void watchUnopenedDocuments() {
    wordproc::setUnopenedObserver(noteUnopened);
}

bool reportUnopenedDocuments() {
    std::vector<std::string> paths = std::exchange(pending(), {});
    for (const std::string& path : paths)
        reportNotOpened(DesktopItem::Document, path);
    return !paths.empty();
}

} // namespace composer
