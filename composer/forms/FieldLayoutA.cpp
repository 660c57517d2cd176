#include "composer/forms/FieldLayoutA.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/output/OutputProcedure.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"

namespace composer {

namespace {

const char* const AbbreviationFormData = "设置机关代字...";

} // namespace

FieldLayoutA::FieldLayoutA(std::string className, ui::Form* owner, const char* importPathName)
    : ui::Form(std::move(className), owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox1)), Label1(add<ui::Label>("Label1", GroupBox1)),
      Edit1(add<ui::Edit>("Edit1", GroupBox1)), Label2(add<ui::Label>("Label2", GroupBox1)),
      Edit4(add<ui::Edit>("Edit4", GroupBox1)), Label5(add<ui::Label>("Label5", GroupBox1)),
      Button6(add<ui::Button>("Button6", GroupBox1)), GroupBox2(add<ui::GroupBox>("GroupBox2")),
      ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox2)),
      ComboBox14(add<ui::ComboBox>("ComboBox14", GroupBox2)),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      Edit7(add<ui::Edit>("Edit7", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      Edit11(add<ui::Edit>("Edit11", GroupBox4)), Button7(add<ui::Button>("Button7", GroupBox4)),
      GroupBox5(add<ui::GroupBox>("GroupBox5")), Memo2(add<ui::RichEdit>("Memo2", GroupBox5)),
      importPath(add<ui::Edit>(importPathName, GroupBox5)), Button8(add<ui::Button>("Button8", GroupBox5)),
      GroupBox6(add<ui::GroupBox>("GroupBox6")), fj(add<ui::Memo>("fj", GroupBox6)),
      Button9(add<ui::Button>("Button9", GroupBox6)), GroupBox7(add<ui::GroupBox>("GroupBox7")),
      Edit5(add<ui::Edit>("Edit5", GroupBox7)), GroupBox8(add<ui::GroupBox>("GroupBox8")),
      ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox8)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox8)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox8)), GroupBox9(add<ui::GroupBox>("GroupBox9")),
      Edit8(add<ui::Edit>("Edit8", GroupBox9)), GroupBox10(add<ui::GroupBox>("GroupBox10")),
      Edit9(add<ui::Edit>("Edit9", GroupBox10)), Button2(add<ui::Button>("Button2", GroupBox10)),
      GroupBox11(add<ui::GroupBox>("GroupBox11")), Edit10(add<ui::Edit>("Edit10", GroupBox11)),
      Edit12(add<ui::Edit>("Edit12")), Button1(add<ui::Button>("Button1")),
      Button3(add<ui::Button>("Button3")), Button5(add<ui::Button>("Button5")),
      Button4(add<ui::Button>("Button4")), OpenDialog1(add<ui::OpenDialog>("OpenDialog1")),
      Timer1(add<ui::Timer>("Timer1")) {
    placeComponents();
    fillFormData();
    bindEvents();
}

DocumentFields FieldLayoutA::fields() {
    DocumentFields f;
    f.abbreviation = &ComboBox1;
    f.numberYear = &Edit1;
    f.serial = &Edit4;
    f.level = &ComboBox13;
    f.period = &ComboBox14;
    f.urgency = &ComboBox15;
    f.dateYear = &ComboBox10;
    f.dateMonth = &ComboBox11;
    f.dateDay = &ComboBox12;
    f.title = &Edit7;
    f.subject = &Edit8;
    f.copyTo = &Edit9;
    f.copies = &Edit10;
    f.recipients = &Edit11;
    f.note = &Edit5;
    f.body = &Memo2;
    f.importPath = &importPath;
    f.issueDate = &Edit12;
    f.attachments = &fj;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

void FieldLayoutA::placeComponents() {
    setClientSize(620, 606);
    fixedCentredWindow(*this);

    GroupBox1.setBounds(8, 6, 300, 54);
    ComboBox1.setBounds(8, 20, 112, 24);
    Label1.setBounds(124, 24, 14, 18);
    Edit1.setBounds(140, 20, 44, 24);
    Label2.setBounds(186, 24, 14, 18);
    Edit4.setBounds(202, 20, 40, 24);
    Label5.setBounds(246, 24, 16, 18);
    Button6.setBounds(266, 20, 26, 24);
    GroupBox2.setBounds(316, 6, 296, 54);
    ComboBox13.setBounds(8, 20, 88, 24);
    ComboBox14.setBounds(102, 20, 88, 24);
    ComboBox15.setBounds(196, 20, 90, 24);
    GroupBox3.setBounds(8, 64, 604, 50);
    Edit7.setBounds(8, 20, 588, 24);
    GroupBox4.setBounds(8, 118, 604, 50);
    Edit11.setBounds(8, 20, 556, 24);
    Button7.setBounds(570, 20, 26, 24);
    GroupBox5.setBounds(8, 172, 604, 206);
    Memo2.setBounds(8, 20, 588, 146);
    importPath.setBounds(8, 172, 496, 24);
    Button8.setBounds(510, 172, 86, 24);
    GroupBox6.setBounds(8, 382, 400, 84);
    fj.setBounds(8, 20, 296, 56);
    Button9.setBounds(310, 20, 82, 26);
    GroupBox7.setBounds(416, 382, 196, 84);
    Edit5.setBounds(8, 20, 180, 24);
    GroupBox8.setBounds(8, 470, 300, 50);
    ComboBox10.setBounds(8, 20, 112, 24);
    ComboBox11.setBounds(126, 20, 80, 24);
    ComboBox12.setBounds(212, 20, 80, 24);
    GroupBox9.setBounds(316, 470, 296, 50);
    Edit8.setBounds(8, 20, 280, 24);
    GroupBox10.setBounds(8, 524, 460, 50);
    Edit9.setBounds(8, 20, 412, 24);
    Button2.setBounds(426, 20, 26, 24);
    GroupBox11.setBounds(476, 524, 136, 50);
    Edit10.setBounds(8, 20, 120, 24);
    Button1.setBounds(8, 578, 90, 26);
    Button3.setBounds(104, 578, 90, 26);
    Button5.setBounds(482, 578, 130, 26);
}

void FieldLayoutA::fillFormData() {
    GroupBox1.setCaption("发文字号");
    ComboBox1.setItems({AbbreviationFormData});
    Label1.setCaption("〔");
    Label2.setCaption("〕");
    Label5.setCaption("号");
    Button6.setCaption("...");
    Button6.setHint("设置常用机关代字");
    Button6.setShowHint(true);
    captionsOverControls(GroupBox2,
                         {{"密级", &ComboBox13}, {"保密期限", &ComboBox14}, {"紧急程度", &ComboBox15}});
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox14.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox15.setItems({"急  件", "特  急"});
    GroupBox3.setCaption("公文标题");
    GroupBox4.setCaption("主送单位");
    Button7.setCaption("...");
    Button7.setHint("设置主送单位");
    Button7.setShowHint(true);
    GroupBox5.setCaption("正文");
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    importPath.setReadOnly(true);
    Button8.setCaption("导入文件");
    Button8.setHint("请选择文档插入");
    Button8.setShowHint(true);
    GroupBox6.setCaption("附件");
    fj.setScrollBars(ui::ScrollBars::Vertical);
    fj.setWordWrap(false);
    Button9.setCaption("添加附件...");
    Button9.setHint("添加新附件");
    Button9.setShowHint(true);
    GroupBox7.setCaption("附注");
    GroupBox8.setCaption("成文日期（签发日期）");
    ComboBox10.setItems(yearComboItems(sysclock::today().year));
    ComboBox11.setItems(monthComboItems());
    ComboBox12.setItems(dayComboItems());
    GroupBox9.setCaption("主题词");
    GroupBox10.setCaption("抄送单位");
    Button2.setCaption("...");
    Button2.setHint("设置抄送单位");
    Button2.setShowHint(true);
    GroupBox11.setCaption("印发份数");
    Edit12.setReadOnly(true);
    Edit12.setVisible(false);
    Button1.setCaption("帮助文档");
    Button3.setCaption("检查更新");
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button4.setVisible(false);
}

void FieldLayoutA::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    for (ui::Edit* edit : {&Edit1, &Edit4, &Edit10})
        edit->OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
    Button4.OnClick = [this] { Button4Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button5.OnClick = [this] { Button5Click(); };
}

void FieldLayoutA::Button1Click() {
    OpenHelpFile();
}

void FieldLayoutA::Button3Click() {
    OpenUpdatePage();
}

void FieldLayoutA::FormCreate() {
    startDocumentForm(fields());
}

void FieldLayoutA::Edit1KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

void FieldLayoutA::Button4Click() {
    TrimBodyLines(Memo2);
}

void FieldLayoutA::ComboBox1Change() {
    ShowNextSerial(ComboBox1, Edit4);
}

void FieldLayoutA::Button6Click() {
    EditAbbreviationList(*this, ComboBox1);
}

void FieldLayoutA::Button2Click() {
    PickUnits(*this, Edit9, UnitRole::CopyTo);
}

void FieldLayoutA::Button7Click() {
    PickUnits(*this, Edit11, UnitRole::MainRecipients);
}

void FieldLayoutA::Button8Click() {
    ImportBodyText(OpenDialog1, importPath, Memo2);
}

void FieldLayoutA::Button9Click() {
    AddAttachment(fj);
}

} // namespace composer
