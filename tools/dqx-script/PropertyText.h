#pragma once
// A component's property as a script writes it: Text, Caption, Checked ("true"/"false"), ItemIndex,
// Items (joined by "|"), Enabled, Visible, Hint, WindowState ("Normal", "Minimised", "Maximised").
// Texts come as the component holds them, line breaks included.

#include "platform/ui/Component.h"

#include <optional>
#include <string>
#include <string_view>

namespace dqxscript {

// Nothing when the component has no such property.
std::optional<std::string> propertyText(const ui::Component& component, std::string_view property);

} // namespace dqxscript
