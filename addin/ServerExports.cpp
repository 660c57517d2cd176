// The library's four exports. Each answers with a Result; nothing escapes them.
#include "platform/addinhost/ServerExports.h"

#include "addin/HostBuild.h"
#include "addin/ServerObjects.h"
#include "platform/registry/Registry.h"

using addinhost::Result;

namespace {

// Registers or unregisters this library's class in the user's registry store.
Result changeRegistration(void (*change)(registry::Registry&, const addinhost::ClassRegistration&)) noexcept {
    try {
        std::string path = addin::libraryPath();
        if (path.empty())
            return Result::RegistrationFailed;
        registry::Registry store;
        change(store, addin::classRegistration(path));
        return Result::Ok;
    } catch (...) {
        return Result::RegistrationFailed;
    }
}

} // namespace

Result DllGetClassObject(const addinhost::Guid* classId, const addinhost::Guid* interfaceId,
                         void** object) noexcept {
    if (!object)
        return Result::Pointer;
    *object = nullptr;
    if (!classId || !interfaceId)
        return Result::Pointer;
    if (*classId != addin::hostBuild().classId)
        return Result::ClassNotAvailable;
    return addin::classObject().QueryInterface(*interfaceId, object);
}

Result DllCanUnloadNow() noexcept {
    return addin::libraryInUse() ? Result::False : Result::Ok;
}

Result DllRegisterServer() noexcept {
    return changeRegistration(addinhost::registerClass);
}

Result DllUnregisterServer() noexcept {
    return changeRegistration(addinhost::unregisterClass);
}
