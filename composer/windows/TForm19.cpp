#include "composer/windows/TForm19.h"

#include "composer/core/FormLayout.h"
#include "composer/windows/ListEditorForm.h"

#include <array>

namespace composer {

namespace {

constexpr std::array<Placement, 6> Layout = {{
    {"Label2", {}, "编号左侧：", 8, 8},
    {"Memo1", {}, {}, 8, 28, 188, 248},
    {"Label3", {}, "编号右侧：", 204, 8},
    {"Memo2", {}, {}, 204, 28, 188, 248},
    {"Button1", {}, "确定", 240, 286, 72, 25},
    {"Button2", {}, "取消", 320, 286, 72, 25},
}};

} // namespace

TForm19::TForm19(ui::Form* owner)
    : ui::Form("TForm19", owner), Label2(add<ui::Label>("Label2")), Memo1(add<ui::Memo>("Memo1")),
      Label3(add<ui::Label>("Label3")), Memo2(add<ui::Memo>("Memo2")), Button1(add<ui::Button>("Button1")),
      Button2(add<ui::Button>("Button2")), m_left(Memo1, ".l"), m_right(Memo2, ".r") {
    setCaption("常用编号设置");
    placeControls(*this, Layout);
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    setClientSize(400, 320);
    dressAsListEditor(*this, Button1, Button2);
    OnCreate = [this] { FormCreate(); };
    Button1.OnClick = [this] { Button1Click(); };
}

void TForm19::FormCreate() {
    // Each file on its own: a missing left list leaves only the left box empty.
    m_left.load();
    m_right.load();
}

void TForm19::Button1Click() {
    m_left.save();
    m_right.save();
}

} // namespace composer
