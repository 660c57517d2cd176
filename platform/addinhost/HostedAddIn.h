#pragma once
// An add-in in the host: its in-process server library, its object, and the connection protocol in the
// order that the hosts follow. Connecting makes a new object; disconnecting releases it.
//
//   addinhost::HostedAddIn addIn(registry, "MSAddins.Dqxhand");
//   addIn.connect(app, addinhost::ConnectMode::Startup);
//   addIn.startupComplete();
//   ...
//   addIn.disconnect(addinhost::DisconnectMode::HostShutdown);

#include "platform/addinhost/Extensibility.h"
#include "platform/addinhost/InprocServer.h"

#include <memory>
#include <string>

namespace registry {
class Registry;
}

namespace addinhost {

class HostedAddIn {
public:
    // Loads the server that the registry names for the ProgID. Throws Error when the ProgID or its server
    // is not registered or the library cannot be loaded.
    HostedAddIn(registry::Registry& registry, std::string progId);
    // Loads the library as the server of the class.
    HostedAddIn(const std::string& libraryPath, const Guid& classId, std::string progId);
    // Disconnects as the host shuts down when still connected, then unloads the library if it allows.
    ~HostedAddIn();
    HostedAddIn(const HostedAddIn&) = delete;
    HostedAddIn& operator=(const HostedAddIn&) = delete;

    const InprocServer& server() const { return *m_server; }
    bool connected() const { return static_cast<bool>(m_object); }

    // Makes the add-in's object and calls OnConnection, then OnAddInsUpdate. A host still starting calls
    // startupComplete() when it has finished. Throws Error when the object cannot be made or refuses.
    void connect(const automation::Application& application, ConnectMode mode);
    // OnStartupComplete. Throws Error when not connected.
    void startupComplete();
    // At shutdown OnBeginShutdown and OnDisconnection; when the user unloads it OnDisconnection and
    // OnAddInsUpdate. Then the object is released. Nothing when not connected.
    void disconnect(DisconnectMode mode) noexcept;

private:
    std::unique_ptr<InprocServer> m_server;
    Guid m_classId;
    AddIn m_entry;
    InterfacePtr<IDTExtensibility2> m_object;
};

} // namespace addinhost
