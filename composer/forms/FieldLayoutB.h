#pragma once
// The second component numbering of the document forms (the up-going forms and the letter): its
// components, their places on the window, and the handlers that every form of this numbering shares.
// The forms number the buttons of the pickers, the body import, the attachments and the signer lists
// each their own way, and have none, one or several signer combos: a form class names them, sets its
// caption and gives its output plan.

#include "composer/output/DocumentFields.h"
#include "composer/output/OutputProcedure.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"

#include <vector>

namespace composer {

// The roles that every form of this numbering gives the same component names, TForm17 too (which has
// no lists, pickers or import, and numbers its other fields its own way).
template <class Form> void bindSharedRoles(Form& form, DocumentFields& f) {
    f.numberYear = &form.Edit2;
    f.serial = &form.Edit3;
    f.level = &form.ComboBox4;
    f.period = &form.ComboBox5;
    f.urgency = &form.ComboBox6;
    f.dateYear = &form.ComboBox1;
    f.dateMonth = &form.ComboBox2;
    f.dateDay = &form.ComboBox3;
    f.title = &form.Edit5;
    f.subject = &form.Edit6;
    f.copyTo = &form.Edit13;
    f.copies = &form.Edit14;
    f.recipients = &form.Edit15;
    f.note = &form.Edit7;
    f.body = &form.Memo1;
    f.issueDate = &form.Edit16;
    f.output = &form.BtnInsertRecord;
}

// The names of the buttons whose numbers differ between the forms of this numbering.
struct FieldLayoutBButtons {
    const char* copyTo;     // PickUnits 抄送 into Edit13
    const char* recipients; // PickUnits 主送 into Edit15
    const char* import;     // ImportBodyText into Memo1
    const char* attachment; // AddAttachment into fj
    // EditSignerList, one beside each signer combo (qfbox, qfbox2, qfbox3); none on a form without
    // signers.
    std::vector<const char*> signers;
};

class FieldLayoutB : public ui::Form {
public:
    ui::GroupBox& GroupBox1; // 发文字号
    ui::ComboBox& ComboBox7;
    ui::Edit& Edit2;
    ui::Edit& Edit3;
    ui::Button& Button6;
    ui::GroupBox& GroupBox2; // 密级, 保密期限 and 紧急程度, each over its combo
    ui::ComboBox& ComboBox4;
    ui::ComboBox& ComboBox5;
    ui::ComboBox& ComboBox6;
    ui::GroupBox& GroupBox3; // 公文标题
    ui::Edit& Edit5;
    ui::GroupBox& GroupBox4; // 主送单位
    ui::Edit& Edit15;
    ui::Button& recipientsButton;

private:
    struct Signer {
        ui::GroupBox* group;
        ui::ComboBox* combo;
        ui::Button* button;
    };
    // Made here, between the recipients and the body, so that the keyboard reaches them in that order.
    std::vector<Signer> m_signers;

public:
    ui::GroupBox& GroupBox5; // 正文
    ui::RichEdit& Memo1;
    ui::Edit& Edit8; // read-only: the path of the last imported body file
    ui::Button& importButton;
    ui::GroupBox& GroupBox6; // 附件：
    ui::Memo& fj;
    ui::Button& attachmentButton;
    ui::GroupBox& GroupBox7; // 附注：
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox8; // 成文日期（签发日期）
    ui::ComboBox& ComboBox1;
    ui::ComboBox& ComboBox2;
    ui::ComboBox& ComboBox3;
    ui::GroupBox& GroupBox9; // 主题词
    ui::Edit& Edit6;
    ui::GroupBox& GroupBox10; // 抄送单位
    ui::Edit& Edit13;
    ui::Button& copyToButton;
    ui::GroupBox& GroupBox11; // 印发份数
    ui::Edit& Edit14;
    ui::Edit& Edit16; // hidden: IssueDateText
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button4;
    ui::Button& BtnInsertRecord;
    ui::OpenDialog& OpenDialog1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

protected:
    // The plan lives as long as the program (each form keeps its own as a static).
    FieldLayoutB(std::string className, ui::Form* owner, const FieldLayoutBButtons& buttons,
                 const OutputPlan& plan);

    // The i-th signer combo and the button beside it, counted from 0.
    ui::ComboBox& signerCombo(std::size_t i) { return *m_signers.at(i).combo; }
    ui::Button& signerButton(std::size_t i) { return *m_signers.at(i).button; }

    void FormCreate();
    void Button2Click();
    void Button4Click();
    void Edit2KeyPress(char32_t& key);
    void Button1Click();
    void Button6Click();
    void ComboBox7Change();
    void BtnInsertRecordClick();

private:
    std::vector<Signer> addSigners(const std::vector<const char*>& buttons);
    void placeComponents();
    void placeSigners();
    void fillFormData();
    void bindEvents();

    // The handlers of the buttons that each form numbers its own way.
    void editSignerList();
    void pickCopyTo();
    void pickRecipients();
    void importBodyText();
    void addAttachment();

    const OutputPlan& m_plan;
};

} // namespace composer
