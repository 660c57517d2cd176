#pragma once
// The windows of the text controls: edit, memo, rich edit and combo box. Typed characters pass the
// control's key filter (OnKeyPress) before the widget sees them.

#include "platform/ui/TextControl.h"
#include "platform/ui/qt/QtPeer.h"

#include <memory>

namespace ui::qt {

std::unique_ptr<QtPeer> makeTextPeer(ui::TextControl& control);

} // namespace ui::qt
