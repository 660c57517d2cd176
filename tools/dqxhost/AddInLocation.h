#pragma once
// Where dqxhost finds the add-in: the library registered for its ProgID, or, when none is registered or
// the registered one is gone, the library installed with dqxhost, which then registers itself.

#include "tools/dqxhost/HostArguments.h"

#include <string>

namespace dqxhost {

struct AddInBuild {
    const char* progId;     // of the add-in's class
    const char* hostProgId; // of the word processor it is built for
    const char* libraryName;
};

const AddInBuild& addInBuild(Host host);

// The add-in library installed with dqxhost: in DQX_ADDIN_FROM_BINDIR from dqxhost's own folder.
std::string bundledLibrary(const AddInBuild& build);

// Registers the bundled library unless the ProgID names a library that exists. Throws addinhost::Error
// or registry::Error.
void ensureRegistered(const AddInBuild& build);

} // namespace dqxhost
