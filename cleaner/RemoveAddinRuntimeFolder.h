#pragma once
// The cleaner's program body.

#include "platform/registry/Registry.h"

#include <string>

namespace cleaner {

// The default value of the WPS App Paths key under HKEY_LOCAL_MACHINE as text; the empty text when the
// key or the value is missing. Throws registry::Error: WrongType for a value that is not a string,
// Syntax or File when the store cannot be read.
std::string readWpsAppPath(registry::Registry& store);

// Finds the WPS folder through the registry (the store at registry::Registry::defaultPath()) and deletes
// "addins/Microsoft.VC90.CRT" in it. Returns the exit code: 0 when the folder was deleted or there was
// nothing to delete (no WPS entry, an empty entry, no such folder); 1 after reporting why, when the
// entry's value is not a string (in a message box), or when the entry names no safe folder, the store
// cannot be read or the folder cannot be deleted (on standard error).
int RemoveAddinRuntimeFolder();

} // namespace cleaner
