#include "platform/shell/DesktopOpener.h"

#include "platform/shell/Shell.h"

#include <mutex>
#include <utility>

namespace shell {

namespace {

struct StarterSlot {
    std::mutex lock;
    ProgramStarter starter;
};

StarterSlot& starterSlot() {
    static StarterSlot slot;
    return slot;
}

ProgramStarter currentStarter() {
    std::lock_guard guard(starterSlot().lock);
    return starterSlot().starter;
}

} // namespace

void setProgramStarter(ProgramStarter starter) {
    std::lock_guard guard(starterSlot().lock);
    starterSlot().starter = std::move(starter);
}

std::vector<std::vector<std::string>> openingCommands(const std::string& target,
                                                      const std::vector<std::string>& preferredPrograms) {
    std::vector<std::vector<std::string>> commands;
    for (const std::string& program : preferredPrograms)
        commands.push_back({program, target});
    commands.push_back({"xdg-open", target});
    // Without a desktop that knows the file type, the word processor of the installation still opens
    // documents and web pages.
    commands.push_back({"libreoffice", "--writer", target});
    return commands;
}

bool launchProgram(const std::vector<std::string>& argv) {
    const ProgramStarter starter = currentStarter();
    return starter ? starter(argv) : startProgram(argv);
}

bool openOnDesktop(const std::string& target, const std::vector<std::string>& preferredPrograms) {
    for (const std::vector<std::string>& command : openingCommands(target, preferredPrograms)) {
        if (launchProgram(command))
            return true;
    }
    return false;
}

} // namespace shell
