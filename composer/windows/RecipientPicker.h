#pragma once
// PickUnits: how a document form uses the recipient picker for one of its fields.

namespace ui {
class Form;
class TextControl;
} // namespace ui

namespace composer {

// The field's role, which names the picker's caption, its result label and the hint of its "<<" button.
enum class UnitRole {
    MainRecipients, // 主送
    CopyTo,         // 抄送
    Distribution,   // 分送
    SendTo,         // 发送
};

// Opens a new picker owned by the form, with the field's text as the result so far and the role's texts,
// modally. On OK the field takes the composed text and true is returned; otherwise the field is left as
// it was. Changes to the stored unit list are saved by the picker whatever the outcome.
bool PickUnits(ui::Form& owner, ui::TextControl& field, UnitRole role);

} // namespace composer
