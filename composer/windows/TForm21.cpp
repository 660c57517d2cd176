#include "composer/windows/TForm21.h"

#include "composer/core/FormLayout.h"
#include "composer/core/ListFile.h"
#include "composer/windows/ListEditorForm.h"
#include "platform/text/TextFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <array>

namespace composer {

namespace {

constexpr std::array<Placement, 12> Layout = {{
    {"Label1", {}, "发送单位如下：", 8, 8},
    {"Memo1", {}, {}, 8, 28, 196, 318},
    {"Button1", {}, "<<", 212, 130, 36, 28},
    {"Label2", {}, "预定义的常用发送单位名称：", 256, 8},
    {"ListBox1", {}, {}, 256, 28, 205, 188},
    {"Button2", {}, "新增", 256, 222, 64, 25},
    {"Button3", {}, "删除", 328, 222, 64, 25},
    {"GroupBox1", {}, "编辑选中项目", 256, 252, 205, 94},
    {"Memo2", "GroupBox1", {}, 8, 20, 189, 40},
    {"Button6", "GroupBox1", "修改", 133, 64, 64, 24},
    {"Button5", {}, "确定", 313, 356, 72, 25},
    {"Button4", {}, "取消", 389, 356, 72, 25},
}};

const char* const NewUnitCaption = "预定义常用发送单位";
const std::string NewUnitPrompt = "请输入单位名称(多单位用标点隔开)：" + std::string(13, ' ');

} // namespace

TForm21::TForm21(ui::Form* owner)
    : ui::Form("TForm21", owner), Label1(add<ui::Label>("Label1")), Memo1(add<ui::Memo>("Memo1")),
      Label2(add<ui::Label>("Label2")), ListBox1(add<ui::ListBox>("ListBox1")),
      Button1(add<ui::Button>("Button1")), Button2(add<ui::Button>("Button2")),
      Button3(add<ui::Button>("Button3")), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      Memo2(add<ui::Memo>("Memo2", GroupBox1)), Button6(add<ui::Button>("Button6", GroupBox1)),
      Button5(add<ui::Button>("Button5")), Button4(add<ui::Button>("Button4")), m_path(listFilePath(".fs")) {
    setCaption("选择发送单位");
    placeControls(*this, Layout);
    setBounds(0, 0, 477, 421);
    dressAsListEditor(*this, Button5, Button4);
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Button1.setEnabled(false);
    Button1.setHint("添加为发送单位");
    Button2.setHint("新增一个项目");
    Button3.setHint("删除选定的项目");
    for (ui::Button* button : {&Button1, &Button2, &Button3})
        button->setShowHint(true);

    OnCreate = [this] { FormCreate(); };
    ListBox1.OnClick = [this] { ListBox1Click(); };
    ListBox1.OnDblClick = [this] { Button1Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button6.OnClick = [this] { Button6Click(); };
}

void TForm21::FormCreate() {
    try {
        ListBox1.setItems(readListFile(m_path));
    } catch (const text::FileError& error) {
        ui::Application::current().showException(error);
    }
}

void TForm21::saveList() const {
    writeListFile(m_path, ListBox1.items());
}

void TForm21::ListBox1Click() {
    const int selected = ListBox1.itemIndex();
    if (selected < 0)
        return;
    Memo2.setText(ListBox1.item(selected));
    Button1.setEnabled(true);
}

void TForm21::Button1Click() {
    const int selected = ListBox1.itemIndex();
    if (selected < 0)
        return;
    const std::string& unit = ListBox1.item(selected);
    Memo1.setText(Memo1.text().empty() ? unit : Memo1.text() + "，" + unit);
}

void TForm21::Button2Click() {
    // A cancelled input changes nothing, so nothing is written: a missing list is not created empty.
    const auto unit = ui::inputQuery(NewUnitCaption, NewUnitPrompt, "");
    if (!unit)
        return;
    ListBox1.addItem(*unit);
    saveList();
}

void TForm21::Button3Click() {
    const int selected = ListBox1.itemIndex();
    if (selected < 0)
        return;
    ListBox1.deleteItem(selected);
    saveList();
}

void TForm21::Button6Click() {
    const int selected = ListBox1.itemIndex();
    if (selected < 0) {
        ListBox1.addItem(Memo2.text());
    } else {
        ListBox1.setItem(selected, Memo2.text());
        ListBox1.setItemIndex(selected);
    }
    saveList();
}

} // namespace composer
