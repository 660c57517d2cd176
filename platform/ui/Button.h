#pragma once
// A push button. Its modal result closes a modal form; the default button is pressed by Enter and the
// cancel button by Escape.

#include "platform/ui/Control.h"

namespace ui {

class Button : public Control {
public:
    Button(Form* form, std::string name, Container* parent);

    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel);

    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result) { m_modalResult = result; }

    // As a click: the form's modal result becomes the button's (also None), then OnClick runs, so a
    // handler can still keep the form open by setting the form's result back to None.
    void click();
    void userClick() override { click(); }

private:
    bool m_default = false;
    bool m_cancel = false;
    ModalResult m_modalResult = ModalResult::None;
};

// A flat button with a picture; it has no modal result.
class SpeedButton : public Control {
public:
    SpeedButton(Form* form, std::string name, Container* parent);

    // Path of a picture file shown on the button; empty: the caption only.
    const std::string& glyph() const { return m_glyph; }
    void setGlyph(std::string path);

private:
    std::string m_glyph;
};

} // namespace ui
