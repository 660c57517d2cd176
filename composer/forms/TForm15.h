#pragma once
// 内部电报（传真）: the internal telegram or fax. It carries two numbers (the telegram number under an
// abbreviation and the sending number of left part, serial and right part), a signer, and a check box that
// chooses the template whose fixed items the masthead command hides too. The sending department and the
// check box are remembered in the profile.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"

namespace composer {

struct OutputPlan;

class TForm15 : public ui::Form {
public:
    explicit TForm15(ui::Form* owner);

    ui::GroupBox& GroupBox1; // 发电文号
    ui::ComboBox& ComboBox1;
    ui::Button& Button6;
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::GroupBox& GroupBox2; // 发电编号（X机XX号）
    ui::ComboBox& ComboBox2;
    ui::Button& Button2;
    ui::Edit& Edit2;
    ui::ComboBox& ComboBox3;
    ui::Button& Button7;
    ui::GroupBox& GroupBox3; // 发往
    ui::Edit& Edit3;
    ui::GroupBox& GroupBox4; // 签发人
    ui::ComboBox& qfbox;
    ui::Button& Button8;
    ui::GroupBox& GroupBox5; // 密级
    ui::ComboBox& ComboBox13;
    ui::GroupBox& GroupBox6; // 紧急程度
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox7; // 成文日期（签发日期）
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox8; // 发报部门(如xxx机要局)
    ui::Edit& Edit5;
    ui::CheckBox& CheckBox1; // 隐藏红色版头
    ui::GroupBox& GroupBox9; // 标题
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox10; // 主送单位
    ui::Edit& Edit11;
    ui::Button& Button10;
    ui::GroupBox& GroupBox11; // 抄送单位
    ui::Edit& Edit9;
    ui::Button& Button9;
    ui::GroupBox& GroupBox12; // 正文
    ui::RichEdit& Memo2;
    ui::Edit& Edit15;
    ui::Button& Button11;
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;
    ui::Button& Button4;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

    // The templates and slot maps of this form's output per host: with the check box set, the template
    // whose fixed items are named for the masthead command; without it, the plain one.
    static const OutputPlan& outputPlan(bool hideFixedItems);

private:
    void fillFormData();
    void bindEvents();

    void FormCreate();
    void Button5Click();
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button6Click();
    void ComboBox1Change();
    void Button2Click();
    void ComboBox2Change();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Edit1KeyPress(char32_t& key);
};

} // namespace composer
