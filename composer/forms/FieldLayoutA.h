#pragma once
// The first component numbering of the document forms (the down-going forms and their relatives): its
// components, their places on the window, and the handlers that every form of this numbering shares.
// A form class derives from it, sets its caption and gives its own output.

#include "composer/output/DocumentFields.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

namespace composer {

class FieldLayoutA : public ui::Form {
public:
    // `importPathName` names the import path's edit: "Edit15", or the form's own name for it.
    FieldLayoutA(std::string className, ui::Form* owner, const char* importPathName = "Edit15");

    ui::GroupBox& GroupBox1; // 发文字号
    ui::ComboBox& ComboBox1;
    ui::Label& Label1;
    ui::Edit& Edit1;
    ui::Label& Label2;
    ui::Edit& Edit4;
    ui::Label& Label5;
    ui::Button& Button6;
    ui::GroupBox& GroupBox2; // 密级, 保密期限 and 紧急程度, each over its combo
    ui::ComboBox& ComboBox13;
    ui::ComboBox& ComboBox14;
    ui::ComboBox& ComboBox15;
    ui::GroupBox& GroupBox3; // 公文标题
    ui::Edit& Edit7;
    ui::GroupBox& GroupBox4; // 主送单位
    ui::Edit& Edit11;
    ui::Button& Button7;
    ui::GroupBox& GroupBox5; // 正文
    ui::RichEdit& Memo2;
    ui::Edit& importPath; // read-only: the path of the last imported body file
    ui::Button& Button8;
    ui::GroupBox& GroupBox6; // 附件
    ui::Memo& fj;
    ui::Button& Button9;
    ui::GroupBox& GroupBox7; // 附注
    ui::Edit& Edit5;
    ui::GroupBox& GroupBox8; // 成文日期（签发日期）
    ui::ComboBox& ComboBox10;
    ui::ComboBox& ComboBox11;
    ui::ComboBox& ComboBox12;
    ui::GroupBox& GroupBox9; // 主题词
    ui::Edit& Edit8;
    ui::GroupBox& GroupBox10; // 抄送单位
    ui::Edit& Edit9;
    ui::Button& Button2;
    ui::GroupBox& GroupBox11; // 印发份数
    ui::Edit& Edit10;
    ui::Edit& Edit12;
    ui::Button& Button1;
    ui::Button& Button3;
    ui::Button& Button5;
    ui::Button& Button4;
    ui::OpenDialog& OpenDialog1;
    ui::Timer& Timer1;

    // The components by role, for the shared handlers and the output procedure.
    DocumentFields fields();

protected:
    void Button1Click();
    void Button3Click();
    void FormCreate();
    void Edit1KeyPress(char32_t& key);
    void Button4Click();
    void ComboBox1Change();
    void Button6Click();
    void Button2Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    // OutputDocument: each form's own.
    virtual void Button5Click() = 0;

private:
    void placeComponents();
    void fillFormData();
    void bindEvents();
};

} // namespace composer
