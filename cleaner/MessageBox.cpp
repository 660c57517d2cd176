#include "cleaner/Report.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/qt/QtBackend.h"

namespace cleaner {

bool showInMessageBox(const std::string& text) {
    // The program has no window of its own: an application exists only for the one box.
    int argc = 1;
    char name[] = "crtsweep";
    char* argv[] = {name, nullptr};
    ui::Application app(ui::qt::makeBackend(argc, argv));
    ui::messageBox(text, "crtsweep", ui::MessageButtons::Ok, ui::MessageIcon::Error);
    return true;
}

} // namespace cleaner
