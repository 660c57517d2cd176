#pragma once
// What tells the two builds of the add-in apart. The Word build (word/) and the WPS build (wps/) each
// define what is declared here; everything else is one source for both. A build's identifiers and
// settings are data (HostBuild); the few steps that the builds take differently are functions.

#include "platform/addinhost/Guid.h"
#include "platform/addinhost/ServerRegistration.h"
#include "platform/automation/Application.h"

#include <string>

namespace automation {
class Application;
class PageSetup;
class Selection;
class Shape;
} // namespace automation

namespace addin {

// Where the menu is built through: the application given at connection, or the host's global object.
enum class MenuBarsThrough { ConnectedApplication, GlobalApplication };

// The font property that takes a Chinese font name: Name (every script) or NameFarEast.
enum class ChineseFontProperty { Name, NameFarEast };

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
    // The section tools (SectionCommands.cpp): whether a preset switches line numbering off, whether a
    // new landscape section's first page number is switched off before its preset, whether a new
    // page-number box's text is turned before its font is set (else last), and which property takes
    // the Chinese font of a table's title line.
    bool presetSwitchesOffLineNumbering;
    bool hidesFirstPageNumberFirst;
    bool turnsBoxTextFirst;
    ChineseFontProperty titleChineseFont;
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

// How the page that holds the selection lies in the document's run of pages, for the landscape pages of
// the section tools: an even or an odd page of an alternating layout, or a page of a layout that does
// not alternate. The Word build alternates only when the document's first section has mirror margins;
// the WPS build always.
enum class PageSide { Even, Odd, NotAlternating };
PageSide landscapePageSide(const automation::Application& host);

// The preset assignments between the header and footer flags and the book-fold sheets that the builds
// make differently: the page's vertical alignment, endnotes and printing flags.
void resetPresetFlags(const automation::PageSetup& page);

// Writes the adjusted number of the box's page into the box, as "— n —". Leaves the selection in or on
// the box.
void renumberPageNumberBox(const automation::Selection& selection, const automation::Shape& box);

} // namespace addin
