#include "platform/ui/Types.h"

namespace ui {

std::string windowStateName(WindowState state) {
    switch (state) {
    case WindowState::Normal:
        return "Normal";
    case WindowState::Minimised:
        return "Minimised";
    case WindowState::Maximised:
        return "Maximised";
    }
    return "Normal";
}

std::string modalResultName(ModalResult result) {
    static const char* const names[] = {"None", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    return names[static_cast<int>(result)];
}

} // namespace ui
