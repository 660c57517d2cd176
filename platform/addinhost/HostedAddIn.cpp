#include "platform/addinhost/HostedAddIn.h"

#include "platform/addinhost/Error.h"
#include "platform/addinhost/ServerRegistration.h"
#include "platform/registry/Registry.h"

namespace addinhost {

namespace {

Guid registeredClass(registry::Registry& registry, const std::string& progId) {
    std::optional<Guid> classId = classOfProgId(registry, progId);
    if (!classId)
        throw Error("the add-in " + progId + " is not registered");
    return *classId;
}

std::string registeredServer(registry::Registry& registry, const std::string& progId) {
    std::optional<std::string> path = inprocServerOf(registry, registeredClass(registry, progId));
    if (!path)
        throw Error("the add-in " + progId + " has no registered library");
    return *path;
}

} // namespace

HostedAddIn::HostedAddIn(registry::Registry& registry, std::string progId)
    : HostedAddIn(registeredServer(registry, progId), registeredClass(registry, progId), progId) {}

HostedAddIn::HostedAddIn(const std::string& libraryPath, const Guid& classId, std::string progId)
    : m_server(std::make_unique<InprocServer>(libraryPath)),
      m_classId(classId), m_entry{std::move(progId), {}} {}

HostedAddIn::~HostedAddIn() {
    disconnect(DisconnectMode::HostShutdown);
}

void HostedAddIn::connect(const automation::Application& application, ConnectMode mode) {
    if (m_object)
        throw Error("the add-in " + m_entry.progId + " is connected already");
    InterfacePtr<IDTExtensibility2> object =
        m_server->create<IDTExtensibility2>(m_classId, IDTExtensibility2Id);
    Custom custom;
    if (!succeeded(object->OnConnection(application, mode, m_entry, custom)))
        throw Error("the add-in " + m_entry.progId + " refused the connection");
    m_object = std::move(object);
    m_object->OnAddInsUpdate(custom);
}

void HostedAddIn::startupComplete() {
    if (!m_object)
        throw Error("the add-in " + m_entry.progId + " is not connected");
    Custom custom;
    m_object->OnStartupComplete(custom);
}

void HostedAddIn::disconnect(DisconnectMode mode) noexcept {
    if (!m_object)
        return;
    Custom custom;
    if (mode == DisconnectMode::HostShutdown)
        m_object->OnBeginShutdown(custom);
    m_object->OnDisconnection(mode, custom);
    if (mode == DisconnectMode::UserClosed)
        m_object->OnAddInsUpdate(custom);
    m_object.reset();
}

} // namespace addinhost
