#pragma once
// The add-in class Dqxhand: the object that the word processor makes from the library and talks to
// through IDTExtensibility2. Its members are event-bound variables (the host application and the menu
// buttons), and each event runs the handler named after its variable (gDqx's Click runs gDqx_Click).
// Every handler traps the host's errors: nothing escapes into the host.
//
// The handlers live in files by command: ConnectionHandlers.cpp and AddInMenu.cpp (connection, menu,
// re-binding), LaunchCommands.cpp, PageNumberCommands.cpp, SectionCommands.cpp, MastheadCommands.cpp.

#include "addin/EventVariable.h"
#include "platform/addinhost/Extensibility.h"
#include "platform/automation/Application.h"
#include "platform/automation/CommandBars.h"
#include "platform/automation/Document.h"

#include <cstdint>
#include <optional>

namespace addin {

using ApplicationVariable = EventVariable<automation::Application>;
using ButtonVariable = EventVariable<automation::CommandBarControl>;

class Dqxhand final : public addinhost::IDTExtensibility2 {
public:
    // A new object holds one reference, which its maker takes over.
    Dqxhand();
    ~Dqxhand();
    Dqxhand(const Dqxhand&) = delete;
    Dqxhand& operator=(const Dqxhand&) = delete;

    // IUnknown: the object answers for IUnknown, IDTExtensibility2 and _Dqxhand (which has no members).
    addinhost::Result QueryInterface(const addinhost::Guid& interfaceId, void** object) noexcept override;
    std::uint32_t AddRef() noexcept override;
    std::uint32_t Release() noexcept override;

    // IDTExtensibility2: each runs the handler of its name below and answers Ok.
    addinhost::Result OnConnection(const automation::Application& application,
                                   addinhost::ConnectMode connectMode, const addinhost::AddIn& addInInst,
                                   addinhost::Custom& custom) noexcept override;
    addinhost::Result OnDisconnection(addinhost::DisconnectMode removeMode,
                                      addinhost::Custom& custom) noexcept override;
    addinhost::Result OnAddInsUpdate(addinhost::Custom& custom) noexcept override;
    addinhost::Result OnStartupComplete(addinhost::Custom& custom) noexcept override;
    addinhost::Result OnBeginShutdown(addinhost::Custom& custom) noexcept override;

    // The class's methods. A button's handler gets the control clicked and the flag that would skip the
    // host's own action; no handler reads or sets either.
    void gNjz_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gNyc_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gNwc_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gNnc_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gIhbl_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gIbl_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gAbl_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gDqx_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void ghelp_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void ghttp_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void ghide_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gShow_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gInput_Click(const automation::CommandBarControl& Ctrl, bool& CancelDefault) noexcept;
    void gWpsApplication_WindowActivate(const automation::Document& Doc,
                                        const automation::Window& Wn) noexcept;
    void IDTExtensibility2_OnAddInsUpdate(addinhost::Custom& custom) noexcept;
    void IDTExtensibility2_OnBeginShutdown(addinhost::Custom& custom) noexcept;
    void IDTExtensibility2_OnConnection(const automation::Application& Application,
                                        addinhost::ConnectMode ConnectMode, const addinhost::AddIn& AddInInst,
                                        addinhost::Custom& custom) noexcept;
    void IDTExtensibility2_OnDisconnection(addinhost::DisconnectMode RemoveMode,
                                           addinhost::Custom& custom) noexcept;
    void IDTExtensibility2_OnStartupComplete(addinhost::Custom& custom) noexcept;

    // The event-bound variables, in the class's order. gNjz, gNyc, gNwc and gNnc are never given a
    // button: their handlers run only for a button that someone assigns to them.
    ApplicationVariable gWpsApplication;
    ButtonVariable gDqx;
    ButtonVariable gHelp;
    ButtonVariable gHttp;
    ButtonVariable gHide;
    ButtonVariable gShow;
    ButtonVariable gInput;
    ButtonVariable gIbl;
    ButtonVariable gAbl;
    ButtonVariable gIhbl;
    ButtonVariable gNjz;
    ButtonVariable gNyc;
    ButtonVariable gNwc;
    ButtonVariable gNnc;

private:
    using ClickHandler = void (Dqxhand::*)(const automation::CommandBarControl&, bool&) noexcept;
    ButtonVariable::Binder clickBinding(ClickHandler handler);
    ApplicationVariable::Binder windowActivateBinding();

    // AddInMenu (AddInMenu.cpp). Each throws the host's Error at the first failing call.
    void buildAddInMenu();
    void rebindButtons();
    void removeAddInMenu(const automation::CommandBar& menuBar);
    automation::CommandBars menuCommandBars() const;
    // Lets go of every object of the host: the application and the buttons.
    void releaseHostObjects() noexcept;

    // The popup of AddInMenu, in the builds that keep it.
    std::optional<automation::CommandBarControl> AddInMenu;
    std::uint32_t m_references = 1;
};

} // namespace addin
