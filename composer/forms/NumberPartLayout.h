#pragma once
// The component numbering of the forms whose number is a free left part, a serial and a free right part
// (meeting minutes, work briefing): the components both have, the handlers both share, and their output.
// A form class derives from it, adds the buttons that differ (units picker, body import, the minutes'
// copy-to group), places the components and gives its output plan.

#include "composer/output/DocumentFields.h"
#include "composer/output/OutputProcedure.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"

namespace composer {

// What a form of this numbering gives its output: one template for both word processors, its paragraph
// slots from the bottom up to the number and red-rule adjustment (made for the subject label's offsets
// in the template), its masthead text and its placeholders.
struct NumberPartOutput {
    const char* templateName;
    SlotMap (*paragraphRows)(LabelOffsets subjectLabel);
    const char* mastheadSuffix;
    FieldPlaceholders placeholders;
};

// The output plan of a form of this numbering: the paragraph rows, then the masthead in its fixed shape
// at a fixed size and the shape names, for each word processor; a failure in Word is shown and the run
// let go.
OutputPlan numberPartPlan(const NumberPartOutput& output);

class NumberPartLayout : public ui::Form {
public:
    ui::Panel& Panel1;
    ui::GroupBox& GroupBox14; // 密级 保密期限 紧急程度
    ui::ComboBox& ComboBox13;
    ui::ComboBox& ComboBox14;
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox4; // the number: left part, serial, right part
    ui::ComboBox& ComboBox1;
    ui::Button& Button6;
    ui::Edit& Edit1;
    ui::ComboBox& ComboBox2;
    ui::Button& Button2;
    ui::GroupBox& GroupBox18; // 印发份数
    ui::Edit& Edit10;
    ui::GroupBox& GroupBox13; // 成文日期（签发日期）
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox1; // 标题
    ui::Edit& Edit2;
    ui::GroupBox& GroupBox16; // 主题词
    ui::Edit& Edit8;
    ui::GroupBox& GroupBox20; // the units: 分送 or 发送
    ui::Memo& Memo1;
    ui::GroupBox& GroupBox19; // 正文
    ui::Edit& Edit15;
    ui::RichEdit& Memo2;
    ui::Button& Button5;
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button4;
    ui::Edit& Edit12;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    virtual DocumentFields fields();

protected:
    // The plan lives as long as the program (each form keeps its own as a static).
    NumberPartLayout(std::string className, ui::Form* owner, const OutputPlan& plan);

    void FormCreate();
    void Button5Click();
    void ComboBox1Change();
    void Button6Click();
    void Edit10KeyPress(char32_t& key);
    void Button4Click();
    void Button1Click();
    void Button3Click();

private:
    void placeComponents();
    void fillFormData();
    void bindEvents();

    const OutputPlan& m_plan;
};

} // namespace composer
