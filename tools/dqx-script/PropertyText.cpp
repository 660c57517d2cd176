#include "tools/dqx-script/PropertyText.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextControl.h"
#include "platform/ui/Timer.h"

namespace dqxscript {

namespace {

std::string boolText(bool value) {
    return value ? "true" : "false";
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "|" : "") + items[i];
    return out;
}

std::optional<std::string> listProperty(const ui::Component& component, std::string_view property) {
    const auto* combo = dynamic_cast<const ui::ComboBox*>(&component);
    const auto* list = dynamic_cast<const ui::ListBox*>(&component);
    if (!combo && !list)
        return std::nullopt;
    if (property == "ItemIndex")
        return std::to_string(combo ? combo->itemIndex() : list->itemIndex());
    if (property == "Items")
        return joined(combo ? combo->items() : list->items());
    return std::nullopt;
}

std::optional<std::string> controlProperty(const ui::Control& control, std::string_view property) {
    if (property == "Caption")
        return control.caption();
    if (property == "Enabled")
        return boolText(control.enabled());
    if (property == "Visible")
        return boolText(control.visible());
    if (property == "Hint")
        return control.hint();
    if (property == "Text")
        if (const auto* text = dynamic_cast<const ui::TextControl*>(&control))
            return text->text();
    if (property == "Checked") {
        if (const auto* box = dynamic_cast<const ui::CheckBox*>(&control))
            return boolText(box->checked());
        if (const auto* radio = dynamic_cast<const ui::RadioButton*>(&control))
            return boolText(radio->checked());
    }
    if (property == "WindowState")
        if (const auto* form = dynamic_cast<const ui::Form*>(&control))
            return ui::windowStateName(form->windowState());
    return listProperty(control, property);
}

} // namespace

std::optional<std::string> propertyText(const ui::Component& component, std::string_view property) {
    if (const auto* control = dynamic_cast<const ui::Control*>(&component))
        return controlProperty(*control, property);
    if (const auto* timer = dynamic_cast<const ui::Timer*>(&component); timer && property == "Enabled")
        return boolText(timer->enabled());
    return std::nullopt;
}

} // namespace dqxscript
