#pragma once
// FIXME: stand-in until the recipient picker lands; replaced by the real picker.

namespace ui {
class Form;
class TextControl;
} // namespace ui

namespace composer {

enum class UnitRole { MainRecipients, CopyTo, Distribution, SendTo };

inline void PickUnits(ui::Form&, ui::TextControl&, UnitRole) {}

} // namespace composer
