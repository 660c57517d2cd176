#pragma once
// The document-kind chooser, the composer's main window: one radio button per kind, "下一步 >>" to
// open the chosen kind's form (or a blank document), "常规设置" for the settings window. What each choice
// does is the table in ChooserChoices.cpp.

#include "composer/core/FormInstances.h"
#include "composer/output/BlankTemplate.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"

namespace composer {

class TForm1 : public ui::Form {
public:
    explicit TForm1(ui::Form* owner);

    ui::Panel& Panel1;
    ui::Image& Image1;
    ui::GroupBox& GroupBox1;
    ui::GroupBox& GroupBox2;
    ui::GroupBox& GroupBox3;
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2;
    ui::RadioButton& RadioButton3;
    ui::RadioButton& RadioButton4;
    ui::RadioButton& RadioButton5;
    ui::RadioButton& RadioButton6;
    ui::RadioButton& RadioButton7;
    ui::RadioButton& RadioButton8;
    ui::RadioButton& RadioButton9;
    ui::RadioButton& RadioButton11;
    ui::RadioButton& RadioButton14;
    ui::RadioButton& RadioButton12;
    ui::RadioButton& RadioButton22;
    ui::RadioButton& RadioButton13;
    ui::RadioButton& RadioButton21;
    ui::RadioButton& RadioButton10;
    // Never shown; checked only by code.
    ui::RadioButton& RadioButton15;
    ui::RadioButton& RadioButton16;
    ui::RadioButton& RadioButton17;
    ui::RadioButton& RadioButton18;
    ui::RadioButton& RadioButton19;
    ui::RadioButton& RadioButton20;
    ui::Button& Button2;
    ui::Button& Button1;

    // Opens a document form: the chooser is minimised while a new instance of T, owned by the chooser
    // and made T's current instance, is shown modally; then it is restored. Earlier instances are kept.
    template <class T> void OpenForm();

    // A blank document from the page's template with the profile's margins and body style. An error
    // goes to the exception dialog; the chooser is restored in any case.
    void OpenBlankTemplate(BlankPage page, const AuthorityProfile& profile);

private:
    ui::RadioButton& radio(const char* name);
    void setUpControls();

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Image1Click();
};

// Minimises a form and restores it when the scope ends, also when an error ends it: a minimised main
// window would leave the user nothing to come back to.
class MinimisedWhile {
public:
    explicit MinimisedWhile(ui::Form& form) : m_form(form) {
        m_form.setWindowState(ui::WindowState::Minimised);
    }
    ~MinimisedWhile() { m_form.setWindowState(ui::WindowState::Normal); }
    MinimisedWhile(const MinimisedWhile&) = delete;
    MinimisedWhile& operator=(const MinimisedWhile&) = delete;

private:
    ui::Form& m_form;
};

template <class T> void TForm1::OpenForm() {
    MinimisedWhile minimised(*this);
    T& form = ui::createForm<T>(this);
    currentInstance<T>() = &form;
    form.showModal();
}

} // namespace composer
