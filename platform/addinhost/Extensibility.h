#pragma once
// The connection interface of add-ins, IDTExtensibility2: the host calls it when it connects the add-in
// (at its start or later), when the list of add-ins changes, when it has finished starting, when it
// begins to shut down and when it disconnects the add-in.

#include "platform/addinhost/Unknown.h"
#include "platform/automation/Application.h"

#include <string>
#include <vector>

namespace addinhost {

// Why the add-in is connected. A host raises OnStartupComplete only for add-ins connected at Startup.
enum class ConnectMode { AfterStartup = 0, Startup = 1, External = 2, CommandLine = 3 };
// Why it is disconnected.
enum class DisconnectMode { HostShutdown = 0, UserClosed = 1 };

// Values a host may pass along with each call; the hosts here pass none.
using Custom = std::vector<std::string>;

// The host's entry for the add-in.
struct AddIn {
    std::string progId;
    std::string description;
};

class IDTExtensibility2 : public IUnknown {
public:
    virtual Result OnConnection(const automation::Application& application, ConnectMode connectMode,
                                const AddIn& addInInst, Custom& custom) noexcept = 0;
    virtual Result OnDisconnection(DisconnectMode removeMode, Custom& custom) noexcept = 0;
    virtual Result OnAddInsUpdate(Custom& custom) noexcept = 0;
    virtual Result OnStartupComplete(Custom& custom) noexcept = 0;
    virtual Result OnBeginShutdown(Custom& custom) noexcept = 0;

protected:
    ~IDTExtensibility2() = default;
};

inline constexpr Guid IDTExtensibility2Id = guid("{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}");

} // namespace addinhost
