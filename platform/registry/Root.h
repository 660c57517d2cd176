#pragma once
// The root keys that the store holds.

#include <array>
#include <optional>
#include <string_view>

namespace registry {

enum class Root { ClassesRoot, CurrentUser, LocalMachine };

// The roots in the order that the store's file lists them.
constexpr std::array<Root, 3> allRoots{Root::ClassesRoot, Root::CurrentUser, Root::LocalMachine};

// "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE".
std::string_view rootName(Root root);

// The root for its full name or its short form (HKCR, HKCU, HKLM), matched without regard to case.
std::optional<Root> rootFromName(std::string_view name);

} // namespace registry
