#include "addin/HostBuild.h"

#include "platform/automation/Automation.h"

namespace addin {

namespace {

constexpr const char* DefaultInterfaceName = "_Dqxhand";
constexpr const char* TypeLibraryVersion = "1.0";
constexpr unsigned TypeLibraryLocale = 0x409;

} // namespace

automation::Application hostGlobal() {
    return automation::GetActiveObject(hostBuild().hostProgId);
}

addinhost::ClassRegistration classRegistration(const std::string& serverPath) {
    const HostBuild& build = hostBuild();
    return {build.classId,        build.progId,        build.interfaceId,
            DefaultInterfaceName, build.typeLibraryId, build.typeLibraryName,
            TypeLibraryVersion,   TypeLibraryLocale,   serverPath};
}

} // namespace addin
