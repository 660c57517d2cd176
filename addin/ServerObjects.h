#pragma once
// The library as an in-process server: its class object, and the count of its objects and locks that
// says whether it may be unloaded.

#include "platform/addinhost/Unknown.h"

#include <string>

namespace addin {

// The class object that makes Dqxhand objects. It lives as long as the library; each reference to it
// holds the library, as LockServer(true) does.
addinhost::IClassFactory& classObject();

// Bookkeeping of the objects and locks that hold the library.
void objectMade() noexcept;
void objectGone() noexcept;
bool libraryInUse() noexcept;

// The absolute path of this library, as it was loaded.
std::string libraryPath();

} // namespace addin
