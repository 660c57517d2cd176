#include "composer/forms/TForm14.h"

#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProfileMemory.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/SlipRows.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"

#include <array>

namespace composer {

namespace {

using slot::Insert;

constexpr std::array<Placement, 37> Layout = {{
    {"Panel1", {}, {}, 0, 0, 561, 465},
    {"GroupBox14", "Panel1", "密级        保密期限        紧急程度", 8, 6, 272, 50},
    {"ComboBox13", "GroupBox14", {}, 8, 20, 80, 24},
    {"ComboBox14", "GroupBox14", {}, 92, 20, 84, 24},
    {"ComboBox15", "GroupBox14", {}, 180, 20, 84, 24},
    {"GroupBox4", "Panel1", "发文字号", 8, 58, 272, 50},
    {"ComboBox1", "GroupBox4", {}, 8, 20, 92, 24},
    {"Button6", "GroupBox4", "...", 102, 20, 24, 24},
    {"Label1", "GroupBox4", "〔", 128, 24},
    {"Edit1", "GroupBox4", {}, 142, 20, 44, 24},
    {"Label2", "GroupBox4", "〕", 188, 24},
    {"Edit4", "GroupBox4", {}, 202, 20, 40, 24},
    {"Label5", "GroupBox4", "号", 246, 24},
    {"GroupBox13", "Panel1", "拟稿单位", 8, 110, 176, 46},
    {"Edit13", "GroupBox13", {}, 8, 18, 160, 24},
    {"GroupBox18", "Panel1", "印发份数", 188, 110, 92, 46},
    {"Edit10", "GroupBox18", {}, 8, 18, 76, 24},
    {"GroupBox17", "Panel1", "标题", 8, 158, 272, 46},
    {"Edit9", "GroupBox17", {}, 8, 18, 256, 24},
    {"GroupBox15", "Panel1", "主送单位", 8, 206, 272, 46},
    {"Edit7", "GroupBox15", {}, 8, 18, 224, 24},
    {"Button7", "GroupBox15", "...", 238, 18, 26, 24},
    {"GroupBox20", "Panel1", "抄送单位", 8, 254, 272, 46},
    {"Edit11", "GroupBox20", {}, 8, 18, 224, 24},
    {"Button2", "GroupBox20", "...", 238, 18, 26, 24},
    {"GroupBox16", "Panel1", "主题词", 8, 302, 272, 46},
    {"Edit8", "GroupBox16", {}, 8, 18, 256, 24},
    {"GroupBox1", "Panel1", "附件", 8, 350, 272, 104},
    {"fj", "GroupBox1", {}, 8, 18, 170, 78},
    {"Button9", "GroupBox1", "添加附件...", 184, 18, 80, 26},
    {"GroupBox19", "Panel1", "正文", 288, 6, 265, 414},
    {"Memo2", "GroupBox19", {}, 8, 18, 249, 356},
    {"Edit15", "GroupBox19", {}, 8, 380, 170, 24},
    {"Button8", "GroupBox19", "导入文件", 182, 380, 75, 24},
    {"Button1", "Panel1", "帮助文档", 288, 426, 80, 26},
    {"Button3", "Panel1", "检查更新", 372, 426, 80, 26},
    {"Button5", "Panel1", {}, 456, 426, 97, 26},
}};

// The slip's table, filled from its last paragraph upward, then its title cell.
SlotMap slipRows() {
    return {slot::plainText(29, Insert::Before, &OutputValues::body),
            slot::plainText(27, Insert::After, &OutputValues::title),
            slot::plainText(25, Insert::After, &OutputValues::subject),
            slot::templateSizeCheck(),
            slot::plainText(23, Insert::After, value::attachmentLines),
            slot::plainText(21, Insert::After, &OutputValues::copies),
            slot::plainText(15, Insert::After, &OutputValues::draftingUnit),
            slot::plainText(13, Insert::After, value::copyToSentence),
            slot::plainText(11, Insert::After, &OutputValues::recipients),
            slot::plainText(6, Insert::After, value::secrecy),
            slot::plainText(5, Insert::After, &OutputValues::urgency),
            slot::plainText(4, Insert::Before, value::documentNumber),
            slot::titleCell(1, 1, "发文审批笺")};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = plan.wpsTemplate = "dqx8.dqx";
    plan.wordRows = plan.wpsRows = slipRows();
    // The slip shows the next serial but leaves it to the document itself to take it.
    plan.steps.rememberSerial = false;
    plan.steps.fillPlaceholders = false;
    plan.steps.layout.charsLine = false;
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

} // namespace

TForm14::TForm14(ui::Form* owner)
    : ui::Form("TForm14", owner), Panel1(add<ui::Panel>("Panel1")),
      GroupBox14(add<ui::GroupBox>("GroupBox14", Panel1)),
      ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox14)),
      ComboBox14(add<ui::ComboBox>("ComboBox14", GroupBox14)),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox14)),
      GroupBox4(add<ui::GroupBox>("GroupBox4", Panel1)), ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox4)),
      Button6(add<ui::Button>("Button6", GroupBox4)), Edit1(add<ui::Edit>("Edit1", GroupBox4)),
      Edit4(add<ui::Edit>("Edit4", GroupBox4)), GroupBox13(add<ui::GroupBox>("GroupBox13", Panel1)),
      Edit13(add<ui::Edit>("Edit13", GroupBox13)), GroupBox18(add<ui::GroupBox>("GroupBox18", Panel1)),
      Edit10(add<ui::Edit>("Edit10", GroupBox18)), GroupBox17(add<ui::GroupBox>("GroupBox17", Panel1)),
      Edit9(add<ui::Edit>("Edit9", GroupBox17)), GroupBox15(add<ui::GroupBox>("GroupBox15", Panel1)),
      Edit7(add<ui::Edit>("Edit7", GroupBox15)), Button7(add<ui::Button>("Button7", GroupBox15)),
      GroupBox20(add<ui::GroupBox>("GroupBox20", Panel1)), Edit11(add<ui::Edit>("Edit11", GroupBox20)),
      Button2(add<ui::Button>("Button2", GroupBox20)), GroupBox16(add<ui::GroupBox>("GroupBox16", Panel1)),
      Edit8(add<ui::Edit>("Edit8", GroupBox16)), GroupBox1(add<ui::GroupBox>("GroupBox1", Panel1)),
      fj(add<ui::Memo>("fj", GroupBox1)), Button9(add<ui::Button>("Button9", GroupBox1)),
      GroupBox19(add<ui::GroupBox>("GroupBox19", Panel1)), Edit15(add<ui::Edit>("Edit15", GroupBox19)),
      Button8(add<ui::Button>("Button8", GroupBox19)), Memo2(add<ui::RichEdit>("Memo2", GroupBox19)),
      Button1(add<ui::Button>("Button1", Panel1)), Button3(add<ui::Button>("Button3", Panel1)),
      Button5(add<ui::Button>("Button5", Panel1)), Button4(add<ui::Button>("Button4", Panel1)),
      Timer1(add<ui::Timer>("Timer1")), OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {
    setCaption("Brevaro     发文审批笺");
    placeControls(*this, Layout);
    setBounds(0, 0, 569, 492);
    fixedCentredWindow(*this);
    fillFormData();
    bindEvents();
}

DocumentFields TForm14::fields() {
    DocumentFields f;
    f.abbreviation = &ComboBox1;
    f.numberYear = &Edit1;
    f.serial = &Edit4;
    f.level = &ComboBox13;
    f.period = &ComboBox14;
    f.urgency = &ComboBox15;
    f.title = &Edit9;
    f.subject = &Edit8;
    f.copyTo = &Edit11;
    f.copies = &Edit10;
    f.recipients = &Edit7;
    f.body = &Memo2;
    f.importPath = &Edit15;
    f.attachments = &fj;
    f.draftingUnit = &Edit13;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

const OutputPlan& TForm14::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm14::setVisible(bool visible) {
    ui::Form::setVisible(visible);
    Timer1.setEnabled(visible);
}

void TForm14::fillFormData() {
    Panel1.setBevel(ui::Bevel::Lowered);
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox14.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox15.setItems({"急  件", "特  急"});
    ComboBox1.setItems({"设置机关代字..."});
    Button6.setHint("设置常用机关代字");
    Button7.setHint("设置主送单位");
    Button2.setHint("设置抄送单位");
    fj.setScrollBars(ui::ScrollBars::Vertical);
    fj.setWordWrap(false);
    Button9.setHint("添加新附件");
    Edit15.setReadOnly(true);
    Button8.setHint("请选择文档插入");
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    for (ui::Button* button : {&Button6, &Button7, &Button2, &Button9, &Button8})
        button->setShowHint(true);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button4.setVisible(false);
    Timer1.setInterval(1000);
}

void TForm14::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Button5.OnClick = [this] { Button5Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    for (ui::Edit* edit : {&Edit1, &Edit4, &Edit10})
        edit->OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
    Button4.OnClick = [this] { Button4Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
}

// The year is left to the timer: the form sets no date of its own.
void TForm14::FormCreate() {
    DocumentFields start = fields();
    start.numberYear = nullptr;
    startDocumentForm(start);
    ini::IniFile settings(paths().IniPath);
    if (std::optional<std::string> profile = rememberingProfile(settings))
        Edit13.setText(settings.readString(*profile, "ygdw", ""));
}

void TForm14::Timer1Timer() {
    Edit1.setText(std::to_string(sysclock::today().year));
}

void TForm14::Button5Click() {
    // An empty serial stands as two blanks, in the number and on the form.
    if (Edit4.text().empty())
        Edit4.setText("  ");
    OutputDocument(*this, fields(), outputPlan());
}

void TForm14::ComboBox1Change() {
    ShowNextSerial(ComboBox1, Edit4);
}

void TForm14::Button6Click() {
    EditAbbreviationList(*this, ComboBox1);
}

void TForm14::Button7Click() {
    PickUnits(*this, Edit7, UnitRole::MainRecipients);
}

void TForm14::Button2Click() {
    PickUnits(*this, Edit11, UnitRole::CopyTo);
}

void TForm14::Button9Click() {
    AddAttachment(fj);
}

void TForm14::Button8Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

void TForm14::Edit1KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

void TForm14::Button4Click() {
    TrimBodyLines(Memo2);
}

void TForm14::Button1Click() {
    OpenHelpFile();
}

void TForm14::Button3Click() {
    OpenUpdatePage();
}

} // namespace composer
