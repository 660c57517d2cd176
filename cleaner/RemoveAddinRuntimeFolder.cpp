#include "cleaner/RemoveAddinRuntimeFolder.h"

#include "cleaner/DeleteFolder.h"
#include "cleaner/Error.h"
#include "cleaner/Report.h"
#include "cleaner/RuntimeFolder.h"

namespace cleaner {

std::string readWpsAppPath(registry::Registry& store) {
    const auto key = store.openKey(registry::Root::LocalMachine, wpsAppPathsKey);
    if (!key || !key->hasValue(""))
        return {};
    return key->readString("");
}

int RemoveAddinRuntimeFolder() {
    std::string appPath;
    try {
        registry::Registry store;
        appPath = readWpsAppPath(store);
    } catch (const registry::Error& error) {
        if (error.kind() == registry::ErrorKind::WrongType)
            showMessage(error.what());
        else
            reportFailure(error.what());
        return 1;
    }
    try {
        const auto folder = runtimeFolderFor(appPath);
        if (!folder)
            return 0;
        if (const auto existing = existingRuntimeFolder(*folder))
            DeleteFolder(*existing);
        return 0;
    } catch (const Error& error) {
        reportFailure(error.what());
        return 1;
    }
}

} // namespace cleaner
