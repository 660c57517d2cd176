#include "composer/core/ShowMessage.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

namespace composer {

void showMessage(const std::string& text) {
    ui::messageBox(text, ui::Application::current().title());
}

} // namespace composer
