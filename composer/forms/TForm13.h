#pragma once
// 讲话: the printed speech. The document number and the marks at the top, the title with the date of
// delivery in brackets under it, the recipients, the body and the printing block; no masthead. The copy-to
// units are a memo of one unit a line, and there is no note and no attachment.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"

namespace composer {

struct OutputPlan;

class TForm13 : public ui::Form {
public:
    explicit TForm13(ui::Form* owner);

    ui::GroupBox& GroupBox1; // 发文字号
    ui::ComboBox& ComboBox1;
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::Button& Button6;
    ui::GroupBox& GroupBox2; // 密级, 保密期限 and 紧急程度, each over its combo
    ui::ComboBox& ComboBox13;
    ui::ComboBox& ComboBox14;
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox3; // 标题:
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox4; // 主送单位
    ui::Edit& Edit11;
    ui::Button& Button7;
    ui::GroupBox& GroupBox5; // 正文
    ui::RichEdit& Memo2;
    ui::Edit& Edit15; // read-only: the path of the last imported body file
    ui::Button& Button8;
    ui::GroupBox& GroupBox6; // 抄送单位
    ui::Memo& Memo1;
    ui::Button& Button2;
    ui::GroupBox& GroupBox7; // 发表日期
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox8; // 主题词
    ui::Edit& Edit8;
    ui::GroupBox& GroupBox9; // 印发份数
    ui::Edit& Edit10;
    ui::Edit& Edit12; // hidden: IssueDateText
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;
    ui::Button& Button4;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();

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
    void Button7Click();
    void Button8Click();
    void Edit1KeyPress(char32_t& key);
};

} // namespace composer
