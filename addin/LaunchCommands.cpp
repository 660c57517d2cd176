// The commands that start programs outside the word processor: the composer, and the help pages in the
// browser. Each starts its program and does not wait for it; one that cannot be started ends silently.
#include "addin/Dqxhand.h"
#include "addin/Traps.h"
#include "platform/shell/DesktopOpener.h"

#include <string>

namespace addin {

namespace {

// Where the installation put the composer and its help pages.
constexpr const char* ComposerProgram = DQX_PROGRAM_PATH;
constexpr const char* InstallFolder = DQX_INSTALL_FOLDER;

void openHelpPage(const char* name) noexcept {
    endSilently([name] { shell::openOnDesktop(std::string(InstallFolder) + "/" + name); });
}

} // namespace

void Dqxhand::gDqx_Click(const automation::CommandBarControl&, bool&) noexcept {
    // The composer takes no arguments; its path goes as one argument whatever it holds.
    endSilently([] { shell::launchProgram({ComposerProgram}); });
}

void Dqxhand::ghelp_Click(const automation::CommandBarControl&, bool&) noexcept {
    openHelpPage("help.html");
}

void Dqxhand::ghttp_Click(const automation::CommandBarControl&, bool&) noexcept {
    openHelpPage("dqx.html");
}

} // namespace addin
