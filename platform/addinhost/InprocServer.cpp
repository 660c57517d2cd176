#include "platform/addinhost/InprocServer.h"

#include "platform/addinhost/Error.h"

#include <cstdio>

namespace addinhost {

namespace {

std::string resultText(Result result) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(static_cast<std::int32_t>(result)));
    return text;
}

} // namespace

InprocServer::InprocServer(std::string libraryPath)
    : m_library(std::move(libraryPath)),
      m_getClassObject(m_library.function<GetClassObjectFunction>("DllGetClassObject")),
      m_canUnloadNow(m_library.function<ServerFunction>("DllCanUnloadNow")),
      m_registerServer(m_library.function<ServerFunction>("DllRegisterServer")),
      m_unregisterServer(m_library.function<ServerFunction>("DllUnregisterServer")) {}

InprocServer::~InprocServer() {
    if (!canUnloadNow())
        m_library.keepLoaded();
}

InterfacePtr<IClassFactory> InprocServer::classObject(const Guid& classId) const {
    InterfacePtr<IClassFactory> factory;
    Result result = m_getClassObject(&classId, &IClassFactoryId, factory.receive());
    if (!succeeded(result) || !factory)
        throw Error("the library " + path() + " does not serve the class " + classId.toString() + " (" +
                    resultText(result) + ")");
    return factory;
}

void InprocServer::createInto(const Guid& classId, const Guid& interfaceId, void** object) const {
    InterfacePtr<IClassFactory> factory = classObject(classId);
    Result result = factory->CreateInstance(nullptr, interfaceId, object);
    if (!succeeded(result) || !*object)
        throw Error("the class " + classId.toString() + " of " + path() +
                    " gives no object with the interface " + interfaceId.toString() + " (" +
                    resultText(result) + ")");
}

bool InprocServer::canUnloadNow() const {
    return m_canUnloadNow() == Result::Ok;
}

void InprocServer::registerServer() const {
    Result result = m_registerServer();
    if (!succeeded(result))
        throw Error("the library " + path() + " could not register itself (" + resultText(result) + ")");
}

void InprocServer::unregisterServer() const {
    Result result = m_unregisterServer();
    if (!succeeded(result))
        throw Error("the library " + path() + " could not unregister itself (" + resultText(result) + ")");
}

} // namespace addinhost
