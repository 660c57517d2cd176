#pragma once
// 命令（令）: the order. The authority's name + "令" in red, the order number "第…号" under it, the body,
// the signer's post and the date, and a printing block with a distribution line. No document number,
// marks, title, recipients, copy-to, note or attachments.

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

class TForm12 : public ui::Form {
public:
    explicit TForm12(ui::Form* owner);

    ui::GroupBox& GroupBox1; // 令 号
    ui::Edit& Edit1;
    ui::GroupBox& GroupBox2; // 签发日期
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox3; // 签发人职务
    ui::Edit& Edit10;
    ui::GroupBox& GroupBox4; // 主题词
    ui::Edit& Edit8;
    ui::GroupBox& GroupBox5; // 分送：
    ui::Memo& Memo1;
    ui::Button& Button7;
    ui::GroupBox& GroupBox6; // 正文
    ui::RichEdit& Memo2;
    ui::Edit& Edit15; // read-only: the path of the last imported body file
    ui::Button& Button8;
    ui::Edit& Edit12; // hidden: IssueDateText
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;
    ui::Button& Button4;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

    // The template and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();

private:
    void fillFormData();
    void bindEvents();

    void FormCreate();
    void Button5Click();
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button7Click();
    void Button8Click();
    void Edit1KeyPress(char32_t& key);
};

} // namespace composer
