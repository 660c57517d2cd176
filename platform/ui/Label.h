#pragma once
// A static text.

#include "platform/ui/Control.h"

namespace ui {

class Label : public Control {
public:
    Label(Form* form, std::string name, Container* parent);

    // On by default: the label takes the size of its caption.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

private:
    bool m_autoSize = true;
};

} // namespace ui
