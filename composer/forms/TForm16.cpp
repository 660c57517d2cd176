#include "composer/forms/TForm16.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/SlipRows.h"
#include "platform/clock/SystemClock.h"

#include <array>

namespace composer {

namespace {

constexpr std::array<Placement, 32> Layout = {{
    {"GroupBox1", {}, "收文编号", 8, 6, 272, 50},
    {"ComboBox1", "GroupBox1", {}, 8, 20, 92, 24},
    {"Button6", "GroupBox1", "...", 102, 20, 24, 24},
    {"Label1", "GroupBox1", "〔", 128, 24},
    {"Edit1", "GroupBox1", {}, 142, 20, 44, 24},
    {"Label2", "GroupBox1", "〕", 188, 24},
    {"Edit4", "GroupBox1", {}, 202, 20, 40, 24},
    {"Label5", "GroupBox1", "号", 246, 24},
    {"GroupBox2", {}, "收文日期", 288, 6, 267, 50},
    {"ComboBox10", "GroupBox2", {}, 8, 20, 92, 24},
    {"ComboBox11", "GroupBox2", {}, 106, 20, 70, 24},
    {"ComboBox12", "GroupBox2", {}, 182, 20, 76, 24},
    {"GroupBox3", {}, "密级        保密期限        紧急程度", 8, 58, 272, 50},
    {"ComboBox13", "GroupBox3", {}, 8, 20, 80, 24},
    {"ComboBox14", "GroupBox3", {}, 92, 20, 84, 24},
    {"ComboBox15", "GroupBox3", {}, 180, 20, 84, 24},
    {"GroupBox4", {}, "来文单位", 288, 58, 267, 50},
    {"Edit11", "GroupBox4", {}, 8, 20, 251, 24},
    {"GroupBox5", {}, "来文字号", 8, 110, 272, 50},
    {"Edit5", "GroupBox5", {}, 8, 20, 100, 24},
    {"Label3", "GroupBox5", "〔", 112, 24},
    {"Edit2", "GroupBox5", {}, 126, 20, 50, 24},
    {"Label4", "GroupBox5", "〕", 178, 24},
    {"Edit3", "GroupBox5", {}, 192, 20, 50, 24},
    {"Label6", "GroupBox5", "号", 246, 24},
    {"GroupBox6", {}, "来文标题", 288, 110, 267, 50},
    {"Edit7", "GroupBox6", {}, 8, 20, 251, 24},
    {"GroupBox7", {}, "拟办意见", 8, 162, 547, 104},
    {"Memo2", "GroupBox7", {}, 8, 18, 531, 78},
    {"Button1", {}, "帮助文档", 8, 272, 84, 26},
    {"Button3", {}, "检查更新", 98, 272, 84, 26},
    {"Button5", {}, {}, 445, 272, 110, 26},
}};

const char* const DefaultProfileName = "发文机关"; // the title when no profile is set

OutputPlan makePlan() {
    SlotMap rows = {slot::bookmarkText("zbh", value::documentNumber),
                    slot::bookmarkText("swrq", value::date),
                    slot::bookmarkText("lwdw", &OutputValues::sender),
                    slot::bookmarkText("lwzh", &OutputValues::senderNumber),
                    slot::bookmarkText("wjbt", &OutputValues::title),
                    slot::bookmarkText("ybyj", &OutputValues::body),
                    slot::bookmarkText("jm", value::secrecy),
                    slot::bookmarkText("hj", &OutputValues::urgency),
                    slot::scaledTitle("fwjg", "公文处理笺")};
    OutputPlan plan;
    plan.wordTemplate = plan.wpsTemplate = "dqxsw.dqx";
    plan.wordRows = plan.wpsRows = rows;
    plan.steps.profileFallback = DefaultProfileName;
    plan.steps.trimBody = false;
    plan.steps.fillPlaceholders = false;
    // The slip keeps the template's page: only the spelling check and the grid lines are switched off.
    PageLayoutSteps& layout = plan.steps.layout;
    layout.spellingCheckOffInWps = true;
    layout.grammarCheckOff = false;
    layout.margins = false;
    layout.bodyStyle = false;
    layout.charsLine = false;
    return plan;
}

} // namespace

TForm16::TForm16(ui::Form* owner)
    : ui::Form("TForm16", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox1)), Button6(add<ui::Button>("Button6", GroupBox1)),
      Edit1(add<ui::Edit>("Edit1", GroupBox1)), Edit4(add<ui::Edit>("Edit4", GroupBox1)),
      GroupBox2(add<ui::GroupBox>("GroupBox2")), ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox2)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox2)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox3)),
      ComboBox14(add<ui::ComboBox>("ComboBox14", GroupBox3)),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      Edit11(add<ui::Edit>("Edit11", GroupBox4)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      Edit5(add<ui::Edit>("Edit5", GroupBox5)), Edit2(add<ui::Edit>("Edit2", GroupBox5)),
      Edit3(add<ui::Edit>("Edit3", GroupBox5)), GroupBox6(add<ui::GroupBox>("GroupBox6")),
      Edit7(add<ui::Edit>("Edit7", GroupBox6)), GroupBox7(add<ui::GroupBox>("GroupBox7")),
      Memo2(add<ui::RichEdit>("Memo2", GroupBox7)), Button1(add<ui::Button>("Button1")),
      Button3(add<ui::Button>("Button3")), Button5(add<ui::Button>("Button5")) {
    setCaption("Brevaro      收文处理");
    placeControls(*this, Layout);
    setBounds(0, 0, 571, 337);
    fixedCentredWindow(*this);
    fillFormData();
    bindEvents();
}

DocumentFields TForm16::fields() {
    DocumentFields f;
    f.abbreviation = &ComboBox1;
    f.numberYear = &Edit1;
    f.serial = &Edit4;
    f.dateYear = &ComboBox10;
    f.dateMonth = &ComboBox11;
    f.dateDay = &ComboBox12;
    f.level = &ComboBox13;
    f.period = &ComboBox14;
    f.urgency = &ComboBox15;
    f.sender = &Edit11;
    f.senderPrefix = &Edit5;
    f.senderYear = &Edit2;
    f.senderSerial = &Edit3;
    f.title = &Edit7;
    f.body = &Memo2;
    f.output = &Button5;
    return f;
}

const OutputPlan& TForm16::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm16::fillFormData() {
    ComboBox1.setItems({"设置机关代字..."});
    Button6.setHint("设置常用机关代字");
    Button6.setShowHint(true);
    ComboBox10.setItems(yearComboItems(sysclock::today().year, Numerals::Arabic));
    ComboBox11.setItems(monthComboItems(Numerals::Arabic));
    ComboBox12.setItems(dayComboItems(Numerals::Arabic));
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox14.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox15.setItems({"急  件", "特  急"});
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
}

void TForm16::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button5.OnClick = [this] { Button5Click(); };
}

void TForm16::FormCreate() {
    startDocumentForm(fields());
    Edit2.setText(std::to_string(sysclock::today().year));
}

void TForm16::Button1Click() {
    OpenHelpFile();
}

void TForm16::Button3Click() {
    OpenUpdatePage();
}

void TForm16::Button6Click() {
    EditAbbreviationList(*this, ComboBox1);
}

void TForm16::ComboBox1Change() {
    ShowNextSerial(ComboBox1, Edit4);
}

void TForm16::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

} // namespace composer
