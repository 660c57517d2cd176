#pragma once
// 收文处理: the incoming-document processing slip. It fills named bookmarks of its template instead of
// numbered paragraphs and leaves the template's page layout as it is. Start-up also makes one instance
// that stays hidden.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"

namespace composer {

struct OutputPlan;

class TForm16 : public ui::Form {
public:
    explicit TForm16(ui::Form* owner);

    ui::GroupBox& GroupBox1; // 收文编号
    ui::ComboBox& ComboBox1;
    ui::Button& Button6;
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::GroupBox& GroupBox2; // 收文日期
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox3; // 密级 保密期限 紧急程度
    ui::ComboBox& ComboBox13;
    ui::ComboBox& ComboBox14;
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox4; // 来文单位
    ui::Edit& Edit11;
    ui::GroupBox& GroupBox5; // 来文字号
    ui::Edit& Edit5;
    ui::Edit& Edit2;
    ui::Edit& Edit3;
    ui::GroupBox& GroupBox6; // 来文标题
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox7; // 拟办意见
    ui::RichEdit& Memo2;
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

    // The template and bookmarks of this form's output, the same for both hosts.
    static const OutputPlan& outputPlan();

private:
    void fillFormData();
    void bindEvents();

    void FormCreate();
    void Button1Click();
    void Button3Click();
    void Button6Click();
    void ComboBox1Change();
    void Button5Click();
};

} // namespace composer
