#include "addin/Dqxhand.h"

#include "addin/HostBuild.h"
#include "addin/ServerObjects.h"

namespace addin {

Dqxhand::Dqxhand()
    : gWpsApplication(windowActivateBinding()), gDqx(clickBinding(&Dqxhand::gDqx_Click)),
      gHelp(clickBinding(&Dqxhand::ghelp_Click)), gHttp(clickBinding(&Dqxhand::ghttp_Click)),
      gHide(clickBinding(&Dqxhand::ghide_Click)), gShow(clickBinding(&Dqxhand::gShow_Click)),
      gInput(clickBinding(&Dqxhand::gInput_Click)), gIbl(clickBinding(&Dqxhand::gIbl_Click)),
      gAbl(clickBinding(&Dqxhand::gAbl_Click)), gIhbl(clickBinding(&Dqxhand::gIhbl_Click)),
      gNjz(clickBinding(&Dqxhand::gNjz_Click)), gNyc(clickBinding(&Dqxhand::gNyc_Click)),
      gNwc(clickBinding(&Dqxhand::gNwc_Click)), gNnc(clickBinding(&Dqxhand::gNnc_Click)) {
    objectMade();
}

Dqxhand::~Dqxhand() {
    objectGone();
}

ButtonVariable::Binder Dqxhand::clickBinding(ClickHandler handler) {
    return [this, handler](const automation::CommandBarControl& control) {
        return control.connectClick(
            [this, handler](automation::CommandBarControl clicked, bool& cancelDefault) {
                (this->*handler)(clicked, cancelDefault);
            });
    };
}

ApplicationVariable::Binder Dqxhand::windowActivateBinding() {
    return [this](const automation::Application& application) {
        return application.connectWindowActivate(
            [this](automation::Document document, automation::Window window) {
                gWpsApplication_WindowActivate(document, window);
            });
    };
}

addinhost::Result Dqxhand::QueryInterface(const addinhost::Guid& interfaceId, void** object) noexcept {
    if (!object)
        return addinhost::Result::Pointer;
    *object = nullptr;
    if (interfaceId == addinhost::IUnknownId || interfaceId == addinhost::IDTExtensibility2Id ||
        interfaceId == hostBuild().interfaceId) {
        *object = static_cast<addinhost::IDTExtensibility2*>(this);
        AddRef();
        return addinhost::Result::Ok;
    }
    return addinhost::Result::NoInterface;
}

std::uint32_t Dqxhand::AddRef() noexcept {
    return ++m_references;
}

std::uint32_t Dqxhand::Release() noexcept {
    std::uint32_t left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

addinhost::Result Dqxhand::OnConnection(const automation::Application& application,
                                        addinhost::ConnectMode connectMode, const addinhost::AddIn& addInInst,
                                        addinhost::Custom& custom) noexcept {
    IDTExtensibility2_OnConnection(application, connectMode, addInInst, custom);
    return addinhost::Result::Ok;
}

addinhost::Result Dqxhand::OnDisconnection(addinhost::DisconnectMode removeMode,
                                           addinhost::Custom& custom) noexcept {
    IDTExtensibility2_OnDisconnection(removeMode, custom);
    return addinhost::Result::Ok;
}

addinhost::Result Dqxhand::OnAddInsUpdate(addinhost::Custom& custom) noexcept {
    IDTExtensibility2_OnAddInsUpdate(custom);
    return addinhost::Result::Ok;
}

addinhost::Result Dqxhand::OnStartupComplete(addinhost::Custom& custom) noexcept {
    IDTExtensibility2_OnStartupComplete(custom);
    return addinhost::Result::Ok;
}

addinhost::Result Dqxhand::OnBeginShutdown(addinhost::Custom& custom) noexcept {
    IDTExtensibility2_OnBeginShutdown(custom);
    return addinhost::Result::Ok;
}

} // namespace addin
