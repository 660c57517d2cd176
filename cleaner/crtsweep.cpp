// crtsweep: deletes the runtime folder "addins/Microsoft.VC90.CRT" beside the WPS executable that the
// registry names. It takes no arguments; any that are given are ignored.

#include "cleaner/RemoveAddinRuntimeFolder.h"
#include "cleaner/Report.h"

#include <exception>

int main() {
    try {
        return cleaner::RemoveAddinRuntimeFolder();
    } catch (const std::exception& error) {
        cleaner::reportFailure(error.what());
        return 1;
    }
}
