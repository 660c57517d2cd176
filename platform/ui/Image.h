#pragma once
// A picture from a file.

#include "platform/ui/Control.h"

namespace ui {

class Image : public Control {
public:
    Image(Form* form, std::string name, Container* parent);

    // Path of a PNG or JPEG file; empty: nothing is drawn.
    const std::string& picture() const { return m_picture; }
    void setPicture(std::string path);
    // Scale the picture to the control's size.
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

private:
    std::string m_picture;
    bool m_stretch = false;
};

} // namespace ui
