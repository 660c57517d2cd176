// The small controls: label, buttons, check box, radio button, panel, group box, image.
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace ui {

Label::Label(Form* form, std::string name, Container* parent) : Control(form, std::move(name), parent) {}

void Label::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    changed(Property::Bounds);
}

Button::Button(Form* form, std::string name, Container* parent) : Control(form, std::move(name), parent) {}

void Button::setDefault(bool isDefault) {
    m_default = isDefault;
    changed(Property::Default);
}

void Button::setCancel(bool isCancel) {
    m_cancel = isCancel;
}

void Button::click() {
    form().setModalResult(m_modalResult);
    fire(OnClick);
}

SpeedButton::SpeedButton(Form* form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

void SpeedButton::setGlyph(std::string path) {
    m_glyph = std::move(path);
    changed(Property::Picture);
}

CheckBox::CheckBox(Form* form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

void CheckBox::setChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    changed(Property::Checked);
    fire(OnClick);
}

RadioButton::RadioButton(Form* form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

void RadioButton::setChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    changed(Property::Checked);
    if (checked) {
        turnSiblingsOff();
        fire(OnClick);
    }
}

void RadioButton::turnSiblingsOff() {
    if (!parent())
        return;
    for (Control* sibling : parent()->controls()) {
        auto* radio = dynamic_cast<RadioButton*>(sibling);
        if (radio && radio != this)
            radio->setChecked(false);
    }
}

Panel::Panel(Form* form, std::string name, Container* parent) : Container(form, std::move(name), parent) {}

void Panel::setBevel(Bevel bevel) {
    m_bevel = bevel;
    changed(Property::Caption);
}

GroupBox::GroupBox(Form* form, std::string name, Container* parent)
    : Container(form, std::move(name), parent) {}

Image::Image(Form* form, std::string name, Container* parent) : Control(form, std::move(name), parent) {}

void Image::setPicture(std::string path) {
    m_picture = std::move(path);
    changed(Property::Picture);
}

void Image::setStretch(bool stretch) {
    m_stretch = stretch;
    changed(Property::Picture);
}

} // namespace ui
