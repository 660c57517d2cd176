#include "platform/ui/Form.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Button.h"

namespace ui {

Form::Form(std::string className, Form* owner)
    : Container(nullptr, std::move(className), nullptr), m_owner(owner) {
    setForm(this);
    Control::setVisible(false);
    Application::current().registerForm(*this);
}

Form::~Form() {
    while (!m_ownedForms.empty())
        m_ownedForms.pop_back();
    // Children's windows go before their parents'.
    for (auto it = m_components.rbegin(); it != m_components.rend(); ++it)
        (*it)->detachPeer();
    detachPeer();
    while (!m_components.empty())
        m_components.pop_back();
    Application::current().unregisterForm(*this);
}

void Form::checkNewComponent(const std::string& name, const Container& parent) const {
    if (name.empty() || name == className() || findComponent(name))
        throw Error("A component named " + name + " already exists");
    if (&parent.form() != this)
        throw Error("The parent of " + name + " belongs to another form");
}

Component* Form::findComponent(std::string_view name) const {
    for (const auto& component : m_components)
        if (component->name() == name)
            return component.get();
    return nullptr;
}

void Form::realise(Component& component) {
    component.attachPeer(Application::current().backend().createPeer(component));
}

void Form::adopt(std::unique_ptr<Form> form) {
    m_ownedForms.push_back(std::move(form));
}

void adoptForm(Form* owner, std::unique_ptr<Form> form) {
    if (owner)
        owner->adopt(std::move(form));
    else
        Application::current().adopt(std::move(form));
}

void Form::completeCreation() {
    realise(*this);
    for (const auto& component : m_components)
        realise(*component);
    m_realised = true;
    Application::current().deliver(OnCreate);
}

void Form::setClientSize(int width, int height) {
    m_clientSize = Bounds{0, 0, width, height};
    changed(Property::Bounds);
}

void Form::setPosition(FormPosition position) {
    m_position = position;
    changed(Property::Bounds);
}

void Form::setBorderStyle(BorderStyle style) {
    m_borderStyle = style;
    changed(Property::FormStyle);
}

void Form::setBorderIcons(BorderIcons icons) {
    m_borderIcons = icons;
    changed(Property::FormStyle);
}

void Form::setWindowState(WindowState state) {
    if (state == m_windowState)
        return;
    m_windowState = state;
    changed(Property::WindowState);
}

void Form::setModalResult(ModalResult result) {
    m_modalResult = result;
    changed(Property::ModalResult);
}

bool Form::modalDone() const {
    return m_modalResult != ModalResult::None || Application::current().terminated();
}

void Form::setVisible(bool visible) {
    if (visible && !this->visible())
        m_showStamp = Application::current().nextShowStamp();
    Control::setVisible(visible);
}

void Form::close() {
    if (m_modal) {
        setModalResult(ModalResult::Cancel);
        return;
    }
    hide();
    if (Application::current().mainForm() == this)
        Application::current().terminate();
}

ModalResult Form::showModal() {
    if (visible() || m_modal)
        throw Error("Cannot make a visible window modal");
    m_modalResult = ModalResult::None;
    m_modal = true;
    struct EndModal {
        Form& form;
        ~EndModal() {
            form.m_modal = false;
            form.setVisible(false);
        }
    } endModal{*this};
    setVisible(true);
    Application::current().backend().runModal(*this);
    if (m_modalResult == ModalResult::None)
        m_modalResult = ModalResult::Cancel;
    return m_modalResult;
}

template <class T> bool Form::clickButton(bool (T::*test)() const) {
    for (const auto& component : m_components) {
        auto* button = dynamic_cast<Button*>(component.get());
        if (button && (button->*test)() && button->showing() && button->usable()) {
            button->click();
            return true;
        }
    }
    return false;
}

bool Form::pressDefaultButton() {
    return clickButton(&Button::isDefault);
}

bool Form::pressCancelButton() {
    return clickButton(&Button::isCancel);
}

} // namespace ui
