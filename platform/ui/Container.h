#pragma once
// The base of controls that hold other controls.

#include "platform/ui/Control.h"

#include <vector>

namespace ui {

// A control that holds other controls: a form, a panel or a group box. Radio buttons with the same
// container form one mutually exclusive group.
class Container : public Control {
public:
    const std::vector<Control*>& controls() const { return m_controls; }
    void addControl(Control& control) { m_controls.push_back(&control); }

protected:
    using Control::Control;

private:
    std::vector<Control*> m_controls;
};

} // namespace ui
