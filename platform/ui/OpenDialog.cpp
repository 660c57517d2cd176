#include "platform/ui/OpenDialog.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"

namespace ui {

OpenDialog::OpenDialog(Form* form, std::string name) : Component(form, std::move(name)) {}

bool OpenDialog::execute() {
    auto chosen = Application::current().backend().openFile(*this);
    if (!chosen)
        return false;
    m_fileName = std::move(*chosen);
    return true;
}

} // namespace ui
