#pragma once
// 发文审批笺: the dispatch approval slip. Its fields are numbered its own way; its year field follows the
// clock every second while the form is on screen, and its drafting unit is remembered in the profile.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

namespace composer {

struct OutputPlan;

class TForm14 : public ui::Form {
public:
    explicit TForm14(ui::Form* owner);

    ui::Panel& Panel1;
    ui::GroupBox& GroupBox14; // 密级 保密期限 紧急程度
    ui::ComboBox& ComboBox13;
    ui::ComboBox& ComboBox14;
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox4; // 发文字号
    ui::ComboBox& ComboBox1;
    ui::Button& Button6;
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::GroupBox& GroupBox13; // 拟稿单位
    ui::Edit& Edit13;
    ui::GroupBox& GroupBox18; // 印发份数
    ui::Edit& Edit10;
    ui::GroupBox& GroupBox17; // 标题
    ui::Edit& Edit9;
    ui::GroupBox& GroupBox15; // 主送单位
    ui::Edit& Edit7;
    ui::Button& Button7;
    ui::GroupBox& GroupBox20; // 抄送单位
    ui::Edit& Edit11;
    ui::Button& Button2;
    ui::GroupBox& GroupBox16; // 主题词
    ui::Edit& Edit8;
    ui::GroupBox& GroupBox1; // 附件
    ui::Memo& fj;
    ui::Button& Button9;
    ui::GroupBox& GroupBox19; // 正文
    ui::Edit& Edit15;
    ui::Button& Button8;
    ui::RichEdit& Memo2;
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;
    ui::Button& Button4;
    ui::Timer& Timer1;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

    // The template and slot map of this form's output, the same for both hosts.
    static const OutputPlan& outputPlan();

    // The year timer runs while the form is on screen (minimised included) and stops when it closes.
    void setVisible(bool visible) override;

private:
    void fillFormData();
    void bindEvents();

    void FormCreate();
    void Timer1Timer();
    void Button5Click();
    void ComboBox1Change();
    void Button6Click();
    void Button7Click();
    void Button2Click();
    void Button9Click();
    void Button8Click();
    void Edit1KeyPress(char32_t& key);
    void Button4Click();
    void Button1Click();
    void Button3Click();
};

} // namespace composer
