#pragma once
// The registry entries of a class served in-process, under HKEY_CLASSES_ROOT of the registry store:
//
//   <ProgID>                          (default) <ProgID>
//   <ProgID>\CLSID                    (default) {class}
//   CLSID\{class}                     (default) <ProgID>
//   CLSID\{class}\InprocServer32      (default) <library path>, ThreadingModel "Apartment"
//   CLSID\{class}\ProgID              (default) <ProgID>
//   CLSID\{class}\Programmable
//   CLSID\{class}\TypeLib             (default) {type library}
//   CLSID\{class}\VERSION             (default) <version>
//   Interface\{interface}             (default) <interface name>
//   Interface\{interface}\TypeLib     (default) {type library}, Version <version>
//   TypeLib\{type library}\<version>  (default) <type library name>
//   TypeLib\{type library}\<version>\<locale>\linux  (default) <library path>
//   TypeLib\{type library}\<version>\FLAGS    (default) "0"
//   TypeLib\{type library}\<version>\HELPDIR  (default) <library folder>
//
// The locale is written in hex as the registry names it ("409"). The type library travels in the
// server library itself, so its entry names that library.

#include "platform/addinhost/Guid.h"

#include <optional>
#include <string>
#include <string_view>

namespace registry {
class Registry;
}

namespace addinhost {

struct ClassRegistration {
    Guid classId;
    std::string progId;
    Guid interfaceId;
    std::string interfaceName;
    Guid typeLibraryId;
    std::string typeLibraryName;
    std::string version;    // of the type library and the class, "1.0"
    unsigned locale = 0;    // of the type library
    std::string serverPath; // the library, absolute
};

// Writes the entries, replacing what the class's keys held before. Throws registry::Error, or Error for
// an empty ProgID or one with a "\".
void registerClass(registry::Registry& registry, const ClassRegistration& entries);
// Deletes the class's, ProgID's, interface's and type library's keys with everything below them; the
// keys that hold them (CLSID, Interface, TypeLib) stay. Throws as registerClass.
void unregisterClass(registry::Registry& registry, const ClassRegistration& entries);

// The class that a ProgID names, or nothing when it is not registered (or names no valid identifier).
std::optional<Guid> classOfProgId(registry::Registry& registry, std::string_view progId);
// The library registered as the class's in-process server, or nothing.
std::optional<std::string> inprocServerOf(registry::Registry& registry, const Guid& classId);

} // namespace addinhost
