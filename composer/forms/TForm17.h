#pragma once
// The older 上行文 form with its three variants, branch company (分公司), party committee (党委) and trade
// union (工会), chosen by TemplateVariant. It takes its settings and its templates from the installation
// folder, works with Word only, and has no lists, pickers, placeholders or masthead of its own: the
// variant's template carries the masthead.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"

namespace composer {

struct OutputPlan;

class TForm17 : public ui::Form {
public:
    explicit TForm17(ui::Form* owner);

    ui::GroupBox& GroupBox1; // 发文字号
    ui::Edit& Edit8;
    ui::Edit& Edit2;
    ui::Edit& Edit3;
    ui::GroupBox& GroupBox2; // 签发人
    ui::Edit& Edit9;
    ui::GroupBox& GroupBox3; // 密级, 保密期限 and 紧急程度, each over its combo
    ui::ComboBox& ComboBox4;
    ui::ComboBox& ComboBox5;
    ui::ComboBox& ComboBox6;
    ui::GroupBox& GroupBox4; // 成文日期（签发日期）
    ui::ComboBox& ComboBox1;
    ui::ComboBox& ComboBox2;
    ui::ComboBox& ComboBox3;
    ui::GroupBox& GroupBox5; // 公文标题
    ui::Edit& Edit5;
    ui::GroupBox& GroupBox6; // 主送单位
    ui::Edit& Edit15;
    ui::GroupBox& GroupBox7; // 正文
    ui::RichEdit& Memo1;
    ui::GroupBox& GroupBox8; // 附件：
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::GroupBox& GroupBox9; // 附注：
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox10; // 主题词
    ui::Edit& Edit6;
    ui::GroupBox& GroupBox11; // 抄送单位
    ui::Edit& Edit13;
    ui::GroupBox& GroupBox12; // 印发份数
    ui::Edit& Edit14;
    ui::Edit& Edit16; // hidden: IssueDateText
    ui::Button& Button2;
    ui::Button& Button4;
    ui::Button& BtnInsertRecord;

    // The components by role, for the output procedure.
    DocumentFields fields();

    // The template and slot map of the variant's output (1 branch company, 2 party committee, 3 union;
    // any other value is taken as the branch company).
    static const OutputPlan& outputPlan(int templateVariant);

private:
    void fillFormData();
    void bindEvents();

    void FormCreate();
    void Button2Click();
    void Button4Click();
    void BtnInsertRecordClick();
};

} // namespace composer
