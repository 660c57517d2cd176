#pragma once
// An in-process server: a library that exports DllGetClassObject, DllCanUnloadNow, DllRegisterServer and
// DllUnregisterServer (ServerExports.h), loaded into the host's process.

#include "platform/addinhost/Library.h"
#include "platform/addinhost/ServerExports.h"
#include "platform/addinhost/Unknown.h"

#include <string>

namespace addinhost {

class InprocServer {
public:
    // Loads the library and finds its four functions. Throws Error when it cannot be loaded or lacks one.
    explicit InprocServer(std::string libraryPath);
    // Unloads the library when it says that it can be; one with objects still out stays loaded.
    ~InprocServer();
    InprocServer(const InprocServer&) = delete;
    InprocServer& operator=(const InprocServer&) = delete;

    const std::string& path() const { return m_library.path(); }

    // The class object of a class that the library serves. Throws Error when it serves no such class.
    InterfacePtr<IClassFactory> classObject(const Guid& classId) const;
    // A new object of the class, as the interface asked for. Throws Error when it cannot be made or has
    // no such interface.
    template <class Interface>
    InterfacePtr<Interface> create(const Guid& classId, const Guid& interfaceId) const {
        InterfacePtr<Interface> object;
        createInto(classId, interfaceId, object.receive());
        return object;
    }

    bool canUnloadNow() const;
    // DllRegisterServer and DllUnregisterServer. Throw Error when the library reports a failure.
    void registerServer() const;
    void unregisterServer() const;

private:
    void createInto(const Guid& classId, const Guid& interfaceId, void** object) const;

    Library m_library;
    GetClassObjectFunction* m_getClassObject;
    ServerFunction* m_canUnloadNow;
    ServerFunction* m_registerServer;
    ServerFunction* m_unregisterServer;
};

} // namespace addinhost
