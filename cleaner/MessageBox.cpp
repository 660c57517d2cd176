#include "cleaner/Report.h"

namespace cleaner {

// FIXME: call the message box of platform/ui here (text, no owner window, an error icon, an OK button)
// once that layer offers one, and return true when it was shown. Until then there is no box, and
// showMessage writes the text to standard error.
bool showInMessageBox(const std::string& text) {
    static_cast<void>(text);
    return false;
}

} // namespace cleaner
