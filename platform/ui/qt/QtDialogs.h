#pragma once
// The standard dialogs on Qt: message box, input box and file-open dialog.

#include "platform/ui/Dialogs.h"
#include "platform/ui/OpenDialog.h"

#include <QStringList>

#include <optional>
#include <string>

namespace ui::qt {

ui::ModalResult showMessageBox(const ui::MessageRequest& request);
std::optional<std::string> showInputBox(const ui::InputRequest& request);
std::optional<std::string> showOpenDialog(const ui::OpenDialog& dialog);

// "Word文档|*.doc;*.docx|*.*|*.*" -> {"Word文档 (*.doc *.docx)", "*.* (*)"}.
QStringList nameFilters(const std::string& filter);

} // namespace ui::qt
