#include "composer/forms/TForm13.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/output/MarksRows.h"
#include "composer/output/OutputProcedure.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"

namespace composer {

namespace {

using slot::Insert;

// The rows of the first numbering's form, with the copy-to memo and the date's and subject's frames side
// by side under it in place of the attachments and the note.
constexpr Placement Layout[] = {
    {"GroupBox1", {}, "发文字号", 8, 6, 300, 54},
    {"ComboBox1", {}, {}, 8, 20, 112, 24},
    {"Label1", "GroupBox1", "〔", 124, 24, 14, 18},
    {"Edit1", {}, {}, 140, 20, 44, 24},
    {"Label2", "GroupBox1", "〕", 186, 24, 14, 18},
    {"Edit4", {}, {}, 202, 20, 40, 24},
    {"Label5", "GroupBox1", "号", 246, 24, 16, 18},
    {"Button6", {}, "...", 266, 20, 26, 24},
    {"GroupBox2", {}, {}, 316, 6, 296, 54},
    {"ComboBox13", {}, {}, 8, 20, 88, 24},
    {"ComboBox14", {}, {}, 102, 20, 88, 24},
    {"ComboBox15", {}, {}, 196, 20, 90, 24},
    {"GroupBox3", {}, "标题:", 8, 64, 604, 50},
    {"Edit7", {}, {}, 8, 20, 588, 24},
    {"GroupBox4", {}, "主送单位", 8, 118, 604, 50},
    {"Edit11", {}, {}, 8, 20, 556, 24},
    {"Button7", {}, "...", 570, 20, 26, 24},
    {"GroupBox5", {}, "正文", 8, 172, 604, 206},
    {"Memo2", {}, {}, 8, 20, 588, 146},
    {"Edit15", {}, {}, 8, 172, 496, 24},
    {"Button8", {}, "导入文件", 510, 172, 86, 24},
    {"GroupBox6", {}, "抄送单位", 8, 382, 604, 84},
    {"Memo1", {}, {}, 8, 20, 556, 56},
    {"Button2", {}, "...", 570, 20, 26, 24},
    {"GroupBox7", {}, "发表日期", 8, 470, 300, 50},
    {"ComboBox10", {}, {}, 8, 20, 112, 24},
    {"ComboBox11", {}, {}, 126, 20, 80, 24},
    {"ComboBox12", {}, {}, 212, 20, 80, 24},
    {"GroupBox8", {}, "主题词", 316, 470, 180, 50},
    {"Edit8", {}, {}, 8, 20, 164, 24},
    {"GroupBox9", {}, "印发份数", 504, 470, 108, 50},
    {"Edit10", {}, {}, 8, 20, 92, 24},
    {"Button1", {}, "帮助文档", 8, 524, 90, 26},
    {"Button3", {}, "检查更新", 104, 524, 90, 26},
    {"Button5", {}, {}, 482, 524, 130, 26},
    // Hidden.
    {"Button4", {}, {}, 200, 524, 90, 26},
    {"Edit12", {}, {}, 200, 524, 90, 24},
};

// The rows that both hosts share from the subject line up, for the subject label's offsets of the
// template in use: the body runs into its slot, the recipients have no blank line of their own, the date
// of delivery stands in brackets under the title, and the number leads the page above the marks. There
// is no masthead: only the copy-number box is named.
SlotMap sharedRows(LabelOffsets label, bool wps) {
    return {slot::subjectLine(21, label),
            slot::templateSizeCheck(),
            slot::bodyText(12, slot::BodyEnd::IntoSlot),
            slot::recipientsLine(11, slot::RecipientsLead::None),
            slot::dateLine(9, wps, slot::PartyDateLead::None, slot::DateFrame::BracketsCentred),
            slot::titleLine(8, slot::TitlePlacement::IntoSlot),
            slot::marksAsOneText(2, Insert::Before),
            slot::plainText(1, Insert::Before, value::documentNumber),
            slot::shapeNames({{"GWXH", {2}}}, {})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx6.dqx";
    plan.wordRows = joined({slot::copiesLine(23), slot::issueLine(23), slot::copyToAbove(23)},
                           sharedRows({{22, 26}, {22, 26}}, false));
    plan.wpsTemplate = "dqx6.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(23), slot::issueLine(23)}, sharedRows({{22, 26}, {22, 26}}, true));
    // The copy-to line has a row of its own in this template, one paragraph above the printing line.
    plan.wpsTemplateWithCopyTo = "dqx6b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(24), slot::issueLine(24), slot::copyToInto(23)},
                                    sharedRows({{23, 27}, {23, 27}}, true));
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

} // namespace

TForm13::TForm13(ui::Form* owner)
    : ui::Form("TForm13", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox1)), Edit1(add<ui::Edit>("Edit1", GroupBox1)),
      Edit4(add<ui::Edit>("Edit4", GroupBox1)), Button6(add<ui::Button>("Button6", GroupBox1)),
      GroupBox2(add<ui::GroupBox>("GroupBox2")), ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox2)),
      ComboBox14(add<ui::ComboBox>("ComboBox14", GroupBox2)),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      Edit7(add<ui::Edit>("Edit7", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      Edit11(add<ui::Edit>("Edit11", GroupBox4)), Button7(add<ui::Button>("Button7", GroupBox4)),
      GroupBox5(add<ui::GroupBox>("GroupBox5")), Memo2(add<ui::RichEdit>("Memo2", GroupBox5)),
      Edit15(add<ui::Edit>("Edit15", GroupBox5)), Button8(add<ui::Button>("Button8", GroupBox5)),
      GroupBox6(add<ui::GroupBox>("GroupBox6")), Memo1(add<ui::Memo>("Memo1", GroupBox6)),
      Button2(add<ui::Button>("Button2", GroupBox6)), GroupBox7(add<ui::GroupBox>("GroupBox7")),
      ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox7)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox7)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox7)), GroupBox8(add<ui::GroupBox>("GroupBox8")),
      Edit8(add<ui::Edit>("Edit8", GroupBox8)), GroupBox9(add<ui::GroupBox>("GroupBox9")),
      Edit10(add<ui::Edit>("Edit10", GroupBox9)), Edit12(add<ui::Edit>("Edit12")),
      Button1(add<ui::Button>("Button1")), Button3(add<ui::Button>("Button3")),
      Button5(add<ui::Button>("Button5")), Button4(add<ui::Button>("Button4")),
      OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {
    setCaption("Brevaro    讲话");
    setClientSize(620, 556);
    fixedCentredWindow(*this);
    placeControls(*this, Layout);
    fillFormData();
    bindEvents();
}

DocumentFields TForm13::fields() {
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
    f.copyTo = &Memo1;
    f.copies = &Edit10;
    f.recipients = &Edit11;
    f.body = &Memo2;
    f.importPath = &Edit15;
    f.issueDate = &Edit12;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

const OutputPlan& TForm13::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm13::fillFormData() {
    ComboBox1.setItems({"设置机关代字..."});
    Button6.setHint("设置常用机关代字");
    captionsOverControls(GroupBox2,
                         {{"密级", &ComboBox13}, {"保密期限", &ComboBox14}, {"紧急程度", &ComboBox15}});
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox14.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox15.setItems({"急  件", "特  急"});
    Button7.setHint("设置主送单位");
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Edit15.setReadOnly(true);
    Button8.setHint("请选择文档插入");
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Button2.setHint("设置抄送单位");
    for (ui::Button* button : {&Button6, &Button7, &Button8, &Button2})
        button->setShowHint(true);
    ComboBox10.setItems(yearComboItems(sysclock::today().year));
    ComboBox11.setItems(monthComboItems());
    ComboBox12.setItems(dayComboItems());
    Edit12.setReadOnly(true);
    Edit12.setVisible(false);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button4.setVisible(false);
}

void TForm13::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    for (ui::Edit* edit : {&Edit1, &Edit4, &Edit10})
        edit->OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
}

void TForm13::FormCreate() {
    startDocumentForm(fields());
}

void TForm13::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

void TForm13::Button1Click() {
    OpenHelpFile();
}

void TForm13::Button3Click() {
    OpenUpdatePage();
}

void TForm13::Button4Click() {
    TrimBodyLines(Memo2);
}

void TForm13::Button6Click() {
    EditAbbreviationList(*this, ComboBox1);
}

void TForm13::ComboBox1Change() {
    ShowNextSerial(ComboBox1, Edit4);
}

void TForm13::Button2Click() {
    PickUnits(*this, Memo1, UnitRole::CopyTo);
}

void TForm13::Button7Click() {
    PickUnits(*this, Edit11, UnitRole::MainRecipients);
}

void TForm13::Button8Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

void TForm13::Edit1KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

} // namespace composer
