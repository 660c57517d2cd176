#include "platform/addinhost/ServerRegistration.h"

#include "platform/addinhost/Error.h"
#include "platform/registry/Registry.h"

#include <cstdio>
#include <filesystem>

namespace addinhost {

namespace {

constexpr registry::Root Classes = registry::Root::ClassesRoot;

std::string classKey(const Guid& classId) {
    return "CLSID\\" + classId.toString();
}

std::string interfaceKey(const Guid& interfaceId) {
    return "Interface\\" + interfaceId.toString();
}

std::string typeLibraryKey(const Guid& typeLibraryId) {
    return "TypeLib\\" + typeLibraryId.toString();
}

std::string localeName(unsigned locale) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", locale);
    return text;
}

// Creates the key (and its parents) and sets its default value.
void writeDefault(registry::Registry& registry, const std::string& keyPath, std::string_view value) {
    registry.createKey(Classes, keyPath).writeString("", value);
}

// The default value of a key as text, or nothing.
std::optional<std::string> readDefault(registry::Registry& registry, const std::string& keyPath) {
    std::optional<registry::Key> key = registry.openKey(Classes, keyPath);
    if (!key)
        return std::nullopt;
    std::optional<registry::Value> value = key->value("");
    if (!value || !value->isText())
        return std::nullopt;
    return value->toText();
}

// An empty ProgID would name the root itself, and a "\\" would reach into other keys.
void requireProgId(const ClassRegistration& entries) {
    if (entries.progId.empty() || entries.progId.find('\\') != std::string::npos)
        throw Error("not a ProgID: \"" + entries.progId + "\"");
}

void writeClassEntries(registry::Registry& registry, const ClassRegistration& entries) {
    const std::string key = classKey(entries.classId);
    writeDefault(registry, entries.progId, entries.progId);
    writeDefault(registry, entries.progId + "\\CLSID", entries.classId.toString());
    writeDefault(registry, key, entries.progId);
    registry::Key server = registry.createKey(Classes, key + "\\InprocServer32");
    server.writeString("", entries.serverPath);
    server.writeString("ThreadingModel", "Apartment");
    writeDefault(registry, key + "\\ProgID", entries.progId);
    registry.createKey(Classes, key + "\\Programmable");
    writeDefault(registry, key + "\\TypeLib", entries.typeLibraryId.toString());
    writeDefault(registry, key + "\\VERSION", entries.version);
}

void writeInterfaceEntries(registry::Registry& registry, const ClassRegistration& entries) {
    const std::string key = interfaceKey(entries.interfaceId);
    writeDefault(registry, key, entries.interfaceName);
    registry::Key typeLibrary = registry.createKey(Classes, key + "\\TypeLib");
    typeLibrary.writeString("", entries.typeLibraryId.toString());
    typeLibrary.writeString("Version", entries.version);
}

void writeTypeLibraryEntries(registry::Registry& registry, const ClassRegistration& entries) {
    const std::string key = typeLibraryKey(entries.typeLibraryId) + "\\" + entries.version;
    writeDefault(registry, key, entries.typeLibraryName);
    writeDefault(registry, key + "\\" + localeName(entries.locale) + "\\linux", entries.serverPath);
    writeDefault(registry, key + "\\FLAGS", "0");
    writeDefault(registry, key + "\\HELPDIR",
                 std::filesystem::path(entries.serverPath).parent_path().string());
}

} // namespace

void registerClass(registry::Registry& registry, const ClassRegistration& entries) {
    // Whatever an earlier registration left under these keys goes first, so that nothing stale stays.
    unregisterClass(registry, entries);
    writeClassEntries(registry, entries);
    writeInterfaceEntries(registry, entries);
    writeTypeLibraryEntries(registry, entries);
}

void unregisterClass(registry::Registry& registry, const ClassRegistration& entries) {
    requireProgId(entries);
    registry.deleteKeyTree(Classes, entries.progId);
    registry.deleteKeyTree(Classes, classKey(entries.classId));
    registry.deleteKeyTree(Classes, interfaceKey(entries.interfaceId));
    registry.deleteKeyTree(Classes, typeLibraryKey(entries.typeLibraryId));
}

std::optional<Guid> classOfProgId(registry::Registry& registry, std::string_view progId) {
    std::optional<std::string> text = readDefault(registry, std::string(progId) + "\\CLSID");
    return text ? Guid::parse(*text) : std::nullopt;
}

std::optional<std::string> inprocServerOf(registry::Registry& registry, const Guid& classId) {
    std::optional<std::string> path = readDefault(registry, classKey(classId) + "\\InprocServer32");
    if (!path || path->empty())
        return std::nullopt;
    return path;
}

} // namespace addinhost
