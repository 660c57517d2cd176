#pragma once
// What tells the two builds of the add-in apart. The Word build (word/) and the WPS build (wps/) each
// define what is declared here; everything else is one source for both. A build's identifiers and
// settings are data (HostBuild); the few steps that the builds take differently are functions.

#include "platform/addinhost/Guid.h"
#include "platform/addinhost/ServerRegistration.h"
#include "platform/automation/Application.h"

#include <string>

namespace automation {
class Selection;
}

namespace addin {

// Where the menu is built through: the application given at connection, or the host's global object.
enum class MenuBarsThrough { ConnectedApplication, GlobalApplication };

struct HostBuild {
    const char* typeLibraryName; // "MSAddins", "KSAddins"
    addinhost::Guid typeLibraryId;
    addinhost::Guid classId; // of the class Dqxhand
    const char* progId;
    addinhost::Guid interfaceId; // of the class's default interface _Dqxhand
    const char* hostProgId;      // the word processor whose global object the commands work through
    int menuPopupId;             // the Id that AddInMenu's popup is added with (1: a custom control)
    MenuBarsThrough menuBarsThrough;
    bool keepsMenuPopup; // whether the object keeps AddInMenu's popup after building it
};

// This build's.
const HostBuild& hostBuild();

// The host's global object: the running word processor of hostBuild().hostProgId. Throws the host's
// Error when it does not run.
automation::Application hostGlobal();

// The registry entries of this build's class with the library at serverPath as its server.
addinhost::ClassRegistration classRegistration(const std::string& serverPath);

// Puts page numbers into the primary footer of the selection's section: alignment 1 centre, 2 right,
// 3 inside, 4 outside. The Word build first sets the section's mirror margins as given; the WPS build
// leaves them.
void addFooterPageNumbers(const automation::Selection& selection, int alignment, bool mirrorMargins);

} // namespace addin
