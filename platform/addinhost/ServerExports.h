#pragma once
// The four functions that an in-process server library exports by name. A server defines them (they
// are declared here with the visibility that exports them); a host finds them with Library::function.
// None of them throws.

#include "platform/addinhost/Unknown.h"

#define DQX_SERVER_EXPORT __attribute__((visibility("default")))

extern "C" {

// The class object of a class that the library serves, as the interface asked for.
DQX_SERVER_EXPORT addinhost::Result
DllGetClassObject(const addinhost::Guid* classId, const addinhost::Guid* interfaceId, void** object) noexcept;
// Ok when no object of the library and no lock is left, so that it may be unloaded; else False.
DQX_SERVER_EXPORT addinhost::Result DllCanUnloadNow() noexcept;
// Writes the library's classes into the registry, with the library's own path as their server.
DQX_SERVER_EXPORT addinhost::Result DllRegisterServer() noexcept;
// Takes them out again.
DQX_SERVER_EXPORT addinhost::Result DllUnregisterServer() noexcept;
}

namespace addinhost {

using GetClassObjectFunction = Result(const Guid*, const Guid*, void**) noexcept;
using ServerFunction = Result() noexcept;

} // namespace addinhost
