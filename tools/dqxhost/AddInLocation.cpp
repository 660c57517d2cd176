#include "tools/dqxhost/AddInLocation.h"

#include "platform/addinhost/InprocServer.h"
#include "platform/addinhost/ServerRegistration.h"
#include "platform/registry/Registry.h"

#include <filesystem>

namespace dqxhost {

namespace {

constexpr AddInBuild WordBuild{"MSAddins.Dqxhand", "word.Application", "libDqxhand_ms.so"};
constexpr AddInBuild WpsBuild{"KSAddins.Dqxhand", "wps.Application", "libDqxhand_ks.so"};

bool registeredLibraryExists(const AddInBuild& build) {
    registry::Registry store;
    std::optional<addinhost::Guid> classId = addinhost::classOfProgId(store, build.progId);
    std::optional<std::string> library = classId ? addinhost::inprocServerOf(store, *classId) : std::nullopt;
    std::error_code error;
    return library && std::filesystem::is_regular_file(*library, error);
}

} // namespace

const AddInBuild& addInBuild(Host host) {
    return host == Host::Wps ? WpsBuild : WordBuild;
}

std::string bundledLibrary(const AddInBuild& build) {
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    return (program.parent_path() / DQX_ADDIN_FROM_BINDIR / build.libraryName).lexically_normal().string();
}

void ensureRegistered(const AddInBuild& build) {
    if (!registeredLibraryExists(build))
        addinhost::InprocServer(bundledLibrary(build)).registerServer();
}

} // namespace dqxhost
