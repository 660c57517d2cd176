#include "platform/ui/Control.h"

#include "platform/ui/Container.h"

namespace ui {

Control::Control(Form* form, std::string name, Container* parent)
    : Component(form, std::move(name)), m_parent(parent) {
    if (parent)
        parent->addControl(*this);
}

void Control::setCaption(std::string caption) {
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    changed(Property::Caption);
}

void Control::setBounds(int left, int top, int width, int height) {
    m_bounds = Bounds{left, top, width, height};
    changed(Property::Bounds);
}

void Control::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed(Property::Enabled);
}

void Control::setVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed(Property::Visible);
}

bool Control::showing() const {
    return m_visible && (!m_parent || m_parent->showing());
}

bool Control::usable() const {
    return m_enabled && (!m_parent || m_parent->usable());
}

void Control::setHint(std::string hint) {
    m_hint = std::move(hint);
    changed(Property::Hint);
}

void Control::setShowHint(bool show) {
    m_showHint = show;
    changed(Property::Hint);
}

void Control::setFont(Font font) {
    m_font = std::move(font);
    changed(Property::Font);
}

void Control::setCursor(Cursor cursor) {
    m_cursor = cursor;
    changed(Property::Cursor);
}

void Control::setFocus() {
    changed(Property::Focus);
}

void Control::userClick() {
    fire(OnClick);
}

} // namespace ui
