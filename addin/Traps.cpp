#include "addin/Traps.h"

#include "platform/ui/Dialogs.h"

namespace addin {

void endSilently(const std::function<void()>& steps) noexcept {
    try {
        steps();
    } catch (...) {
        // What the steps did before the failure stays; the host's message is not shown.
    }
}

void endWithMessage(const std::string& text, const std::function<void()>& steps) noexcept {
    try {
        steps();
    } catch (...) {
        showMessage(text);
    }
}

void showMessage(const std::string& text) noexcept {
    endSilently([&text] { ui::messageBox(text, AddInTitle, ui::MessageButtons::Ok); });
}

} // namespace addin
