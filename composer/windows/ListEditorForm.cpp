#include "composer/windows/ListEditorForm.h"

#include "composer/core/FormLayout.h"

#include <array>

namespace composer {

namespace {

constexpr std::array<Placement, 5> Layout = {{
    {"Label1", {}, {}, 8, 8},
    {"Label2", {}, "(以行为单位分隔)", 8, 28},
    {"Memo1", {}, {}, 8, 48, 264, 228},
    {"Button1", {}, "确定", 120, 286, 72, 25},
    {"Button2", {}, "取消", 200, 286, 72, 25},
}};

} // namespace

void dressAsListEditor(ui::Form& form, ui::Button& ok, ui::Button& cancel) {
    form.setBorderStyle(ui::BorderStyle::SizeToolWindow);
    form.setPosition(ui::FormPosition::MainFormCenter);
    ok.setDefault(true);
    ok.setModalResult(ui::mrOk);
    cancel.setCancel(true);
    cancel.setModalResult(ui::mrCancel);
}

ListEditorForm::ListEditorForm(std::string className, ui::Form* owner, const ListEditorTexts& texts)
    : ui::Form(std::move(className), owner), Label1(add<ui::Label>("Label1")),
      Label2(add<ui::Label>("Label2")), Memo1(add<ui::Memo>("Memo1")), Button1(add<ui::Button>("Button1")),
      Button2(add<ui::Button>("Button2")), m_list(Memo1, texts.suffix) {
    setCaption(texts.caption);
    placeControls(*this, Layout);
    Label1.setCaption(texts.prompt);
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    setClientSize(280, 320);
    dressAsListEditor(*this, Button1, Button2);
    OnCreate = [this] { FormCreate(); };
    Button1.OnClick = [this] { Button1Click(); };
}

void ListEditorForm::FormCreate() {
    m_list.load();
}

void ListEditorForm::Button1Click() {
    m_list.save();
}

} // namespace composer
