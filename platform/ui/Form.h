#pragma once
// A window. A form class derives from Form, creates its components by name in its constructor, keeps
// public references to them, and binds their events there:
//
//     class TForm18 : public ui::Form {
//     public:
//         explicit TForm18(ui::Form* owner);
//         ui::Memo& Memo1;
//         ui::Button& Button1;
//     private:
//         void Button1Click();
//     };
//     TForm18::TForm18(ui::Form* owner)
//         : ui::Form("TForm18", owner), Memo1(add<ui::Memo>("Memo1")), Button1(add<ui::Button>("Button1")) {
//         Button1.OnClick = [this] { Button1Click(); };
//     }
//
// Forms are made with ui::createForm<TForm18>(owner), which runs OnCreate once the form is complete.

#include "platform/ui/Container.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ui {

class Form : public Container {
public:
    Form(std::string className, Form* owner);
    ~Form() override;

    const std::string& className() const { return name(); }
    // The form that owns this one and destroys it with itself; null: the application owns it.
    Form* owner() const { return m_owner; }

    // Creates a component of this form, in the form itself or in one of its containers.
    template <class T> T& add(std::string name);
    template <class T> T& add(std::string name, Container& parent);
    // The component of that name, or null.
    Component* findComponent(std::string_view name) const;
    const std::vector<std::unique_ptr<Component>>& components() const { return m_components; }

    // The inside of the window; without it bounds() give the outer size.
    const std::optional<Bounds>& clientSize() const { return m_clientSize; }
    void setClientSize(int width, int height);
    FormPosition position() const { return m_position; }
    void setPosition(FormPosition position);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    const BorderIcons& borderIcons() const { return m_borderIcons; }
    void setBorderIcons(BorderIcons icons);

    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state);

    // Setting a result other than None ends the form's modal loop.
    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result);
    bool isModal() const { return m_modal; }
    // True once the loop that shows this form modally should end.
    bool modalDone() const;

    void setVisible(bool visible) override;
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // A modal form ends with Cancel; closing the main form terminates the application; any other
    // form is hidden.
    void close();
    // Shows the form and returns when it closes, with its modal result. Throws Error for a visible form.
    ModalResult showModal();

    // Enter and Escape: click the default or the cancel button when it is there and usable.
    bool pressDefaultButton();
    bool pressCancelButton();

    // Runs when the form is complete (createForm).
    std::function<void()> OnCreate;

    // Order in which visible forms came up; the largest is on top.
    long showStamp() const { return m_showStamp; }

    // Creation steps that createForm takes: the owner keeps the form; then its windows are made and
    // OnCreate runs (an exception there is reported and creation goes on).
    void adopt(std::unique_ptr<Form> form);
    void completeCreation();

private:
    void checkNewComponent(const std::string& name, const Container& parent) const;
    void realise(Component& component);
    template <class T> bool clickButton(bool (T::*test)() const);

    Form* m_owner;
    std::vector<std::unique_ptr<Component>> m_components;
    std::vector<std::unique_ptr<Form>> m_ownedForms;
    bool m_realised = false;
    std::optional<Bounds> m_clientSize;
    FormPosition m_position = FormPosition::Designed;
    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    BorderIcons m_borderIcons;
    WindowState m_windowState = WindowState::Normal;
    ModalResult m_modalResult = ModalResult::None;
    bool m_modal = false;
    long m_showStamp = 0;
};

template <class T> T& Form::add(std::string name) {
    return add<T>(std::move(name), *this);
}

template <class T> T& Form::add(std::string name, Container& parent) {
    checkNewComponent(name, parent);
    std::unique_ptr<T> component;
    if constexpr (std::is_base_of_v<Control, T>)
        component = std::make_unique<T>(this, std::move(name), &parent);
    else
        component = std::make_unique<T>(this, std::move(name));
    T& result = *component;
    m_components.push_back(std::move(component));
    if (m_realised)
        realise(result);
    return result;
}

// Hands a new form to its owner (or the application).
void adoptForm(Form* owner, std::unique_ptr<Form> form);

// Creates a form owned by owner (null: by the application) and runs its OnCreate.
template <class T, class... Args> T& createForm(Form* owner, Args&&... args) {
    auto form = std::make_unique<T>(owner, std::forward<Args>(args)...);
    T& result = *form;
    adoptForm(owner, std::move(form));
    result.completeCreation();
    return result;
}

} // namespace ui
