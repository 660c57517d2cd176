// The connection handlers: what the add-in does when the host connects it, has finished starting,
// activates a window and disconnects it.
#include "addin/Dqxhand.h"
#include "addin/Traps.h"

namespace addin {

void Dqxhand::IDTExtensibility2_OnConnection(const automation::Application& Application,
                                             addinhost::ConnectMode ConnectMode, const addinhost::AddIn&,
                                             addinhost::Custom&) noexcept {
    endSilently([&] {
        gWpsApplication.set(Application);
        // A host raises OnStartupComplete only for the add-ins that it loads as it starts: one connected
        // later builds its menu now.
        if (ConnectMode != addinhost::ConnectMode::Startup)
            buildAddInMenu();
    });
}

void Dqxhand::IDTExtensibility2_OnStartupComplete(addinhost::Custom&) noexcept {
    endSilently([this] { buildAddInMenu(); });
}

void Dqxhand::IDTExtensibility2_OnDisconnection(addinhost::DisconnectMode, addinhost::Custom&) noexcept {
    endSilently([this] { removeAddInMenu(gWpsApplication.object().CommandBars().Item("Menu Bar")); });
    // The host's objects go even when the menu could not be taken away: a disconnected add-in must not
    // answer the host's events any more.
    releaseHostObjects();
}

void Dqxhand::IDTExtensibility2_OnAddInsUpdate(addinhost::Custom&) noexcept {}

void Dqxhand::IDTExtensibility2_OnBeginShutdown(addinhost::Custom&) noexcept {}

void Dqxhand::gWpsApplication_WindowActivate(const automation::Document&,
                                             const automation::Window&) noexcept {
    endSilently([this] { rebindButtons(); });
}

} // namespace addin
