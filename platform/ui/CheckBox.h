#pragma once
// A check box and a radio button. As in the framework, a change of Checked fires OnClick also when
// code makes it; a radio button fires only when it becomes checked.

#include "platform/ui/Control.h"

namespace ui {

class CheckBox : public Control {
public:
    CheckBox(Form* form, std::string name, Container* parent);

    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    // A click toggles.
    void userClick() override { setChecked(!m_checked); }

private:
    bool m_checked = false;
};

// Checking a radio button unchecks every other radio button of the same parent.
class RadioButton : public Control {
public:
    RadioButton(Form* form, std::string name, Container* parent);

    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    // A click checks; clicking a checked radio button does nothing.
    void userClick() override { setChecked(true); }

private:
    void turnSiblingsOff();
    bool m_checked = false;
};

} // namespace ui
