#include "composer/forms/TForm15.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProfileMemory.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TelegramRows.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"

#include <optional>
#include <vector>

namespace composer {

namespace {

using slot::Insert;

// The number, addressee, signer, marks, date and department groups on the left; title, recipients,
// copy-to and body on the right.
constexpr Placement Layout[] = {
    {"GroupBox1", {}, "发电文号", 8, 6, 300, 50},
    {"ComboBox1", {}, {}, 8, 20, 96, 24},
    {"Button6", {}, "...", 106, 20, 24, 24},
    {"Label1", "GroupBox1", "〔", 134, 24},
    {"Edit1", {}, {}, 148, 20, 44, 24},
    {"Label2", "GroupBox1", "〕", 194, 24},
    {"Edit4", {}, {}, 208, 20, 56, 24},
    {"Label5", "GroupBox1", "号", 268, 24},
    {"GroupBox2", {}, "发电编号（X机XX号）", 8, 58, 300, 50},
    {"ComboBox2", {}, {}, 8, 20, 80, 24},
    {"Button2", {}, "...", 90, 20, 24, 24},
    {"Edit2", {}, {}, 118, 20, 52, 24},
    {"ComboBox3", {}, {}, 174, 20, 88, 24},
    {"Button7", {}, "...", 266, 20, 24, 24},
    {"GroupBox3", {}, "发往", 8, 110, 300, 50},
    {"Edit3", {}, {}, 8, 20, 284, 24},
    {"GroupBox4", {}, "签发人", 8, 162, 300, 50},
    {"qfbox", {}, {}, 8, 20, 252, 24},
    {"Button8", {}, "...", 264, 20, 28, 24},
    {"GroupBox5", {}, "密级", 8, 214, 146, 50},
    {"ComboBox13", {}, {}, 8, 20, 130, 24},
    {"GroupBox6", {}, "紧急程度", 162, 214, 146, 50},
    {"ComboBox15", {}, {}, 8, 20, 130, 24},
    {"GroupBox7", {}, "成文日期（签发日期）", 8, 266, 300, 50},
    {"ComboBox10", {}, {}, 8, 20, 100, 24},
    {"ComboBox11", {}, {}, 112, 20, 84, 24},
    {"ComboBox12", {}, {}, 200, 20, 92, 24},
    {"GroupBox8", {}, "发报部门(如xxx机要局)", 8, 318, 300, 50},
    {"Edit5", {}, {}, 8, 20, 284, 24},
    {"CheckBox1", {}, "隐藏红色版头", 8, 374, 100, 22},
    {"Label3", {}, "时隐藏其他固定项", 108, 377},
    {"GroupBox9", {}, "标题", 316, 6, 316, 50},
    {"Edit7", {}, {}, 8, 20, 300, 24},
    {"GroupBox10", {}, "主送单位", 316, 58, 316, 50},
    {"Edit11", {}, {}, 8, 20, 268, 24},
    {"Button10", {}, "...", 280, 20, 28, 24},
    {"GroupBox11", {}, "抄送单位", 316, 110, 316, 50},
    {"Edit9", {}, {}, 8, 20, 268, 24},
    {"Button9", {}, "...", 280, 20, 28, 24},
    {"GroupBox12", {}, "正文", 316, 162, 316, 232},
    {"Memo2", {}, {}, 8, 20, 300, 172},
    {"Edit15", {}, {}, 8, 198, 212, 24},
    {"Button11", {}, "导入文件", 224, 198, 84, 24},
    {"Button1", {}, "帮助文档", 8, 404, 90, 26},
    {"Button3", {}, "检查更新", 104, 404, 90, 26},
    {"Button5", {}, {}, 502, 404, 130, 26},
    // Hidden.
    {"Button4", {}, {}, 200, 404, 90, 26},
};

// The header table and the body, from the closing lines up to the telegram number; the closing's date
// line takes the body font in one host's copy.
SlotMap paragraphRows(slot::DateFont dateFont) {
    return {slot::templateSizeCheck(),
            slot::authorityAndDate(31, dateFont),
            slot::bodyText(30, slot::BodyEnd::TwoBlankLines),
            slot::recipientsLine(29, slot::RecipientsLead::None),
            slot::titleLine(27, slot::TitlePlacement::IntoSlotAsAligned),
            slot::plainText(24, Insert::After, value::copyToSentence),
            slot::plainText(21, Insert::After, &OutputValues::rightPart),
            slot::plainText(20, Insert::After, &OutputValues::partSerial),
            slot::plainText(19, Insert::After, &OutputValues::leftPart),
            slot::plainText(17, Insert::Before, &OutputValues::serial),
            slot::plainText(15, Insert::Before, &OutputValues::numberYear),
            slot::plainText(13, Insert::Before, &OutputValues::abbreviation)};
}

// The numbers by which one word processor reaches the header's boxes in the telegram templates. Word
// counts the shapes by their anchors, WPS as they are stacked; the templates stack the department's box
// at the bottom and the rule's box on top, so that the names of the fixed items that the masthead command
// looks for land on the same boxes in both.
struct HeaderBoxes {
    int department;
    std::vector<ShapeName> fixedItems; // page field DB1, rule DB2, department DB3
};

const HeaderBoxes WordBoxes = {8, {{"DB1", {7}}, {"DB3", {8}}, {"DB2", {1}}}};
const HeaderBoxes WpsBoxes = {1, {{"DB1", {7}}, {"DB2", {8}}, {"DB3", {1}}}};

// The title box, the department box and the secrecy marks of the header.
SlotMap headerShapeRows(int departmentBox) {
    return {slot::shapeNames({{"WJBT", {2}}}, {}),
            slot::shapeText(departmentBox, &OutputValues::sendingDepartment),
            slot::shapeFontName(2, &AuthorityProfile::fwzt), slot::classifiedTelegram(12, 11, 2)};
}

SlotMap headerFieldRows() {
    return {slot::plainText(10, Insert::After, &OutputValues::urgency),
            slot::plainText(7, Insert::After, value::firstSigner),
            slot::plainText(5, Insert::After, &OutputValues::addressees)};
}

// One host's rows; the fixed items are named only for the template with the check box set.
SlotMap hostRows(slot::DateFont dateFont, const HeaderBoxes& boxes, bool nameFixedItems) {
    SlotMap rows = joined(paragraphRows(dateFont), headerShapeRows(boxes.department));
    if (nameFixedItems)
        rows.push_back(slot::shapeNames(boxes.fixedItems, {}));
    return joined(std::move(rows), headerFieldRows());
}

OutputPlan makePlan(bool hideFixedItems) {
    OutputPlan plan;
    plan.wordTemplate = plan.wpsTemplate = hideFixedItems ? "dqx9.dqx" : "dqx9b.dqx";
    plan.wordRows = hostRows(slot::DateFont::AsTemplate, WordBoxes, hideFixedItems);
    plan.wpsRows = hostRows(slot::DateFont::BodyInAdministrativeStyle, WpsBoxes, hideFixedItems);
    // The authority that the closing line names when no profile is set.
    plan.steps.profileFallback = "发文机关";
    plan.steps.secrecyMark = false;
    plan.steps.placeholders.title = placeholder::Heading;
    // The telegram form keeps the template's page: no margins, no characters per line.
    plan.steps.layout.margins = false;
    plan.steps.layout.charsLine = false;
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

} // namespace

TForm15::TForm15(ui::Form* owner)
    : ui::Form("TForm15", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox1)), Button6(add<ui::Button>("Button6", GroupBox1)),
      Edit1(add<ui::Edit>("Edit1", GroupBox1)), Edit4(add<ui::Edit>("Edit4", GroupBox1)),
      GroupBox2(add<ui::GroupBox>("GroupBox2")), ComboBox2(add<ui::ComboBox>("ComboBox2", GroupBox2)),
      Button2(add<ui::Button>("Button2", GroupBox2)), Edit2(add<ui::Edit>("Edit2", GroupBox2)),
      ComboBox3(add<ui::ComboBox>("ComboBox3", GroupBox2)), Button7(add<ui::Button>("Button7", GroupBox2)),
      GroupBox3(add<ui::GroupBox>("GroupBox3")), Edit3(add<ui::Edit>("Edit3", GroupBox3)),
      GroupBox4(add<ui::GroupBox>("GroupBox4")), qfbox(add<ui::ComboBox>("qfbox", GroupBox4)),
      Button8(add<ui::Button>("Button8", GroupBox4)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox5)), GroupBox6(add<ui::GroupBox>("GroupBox6")),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox6)), GroupBox7(add<ui::GroupBox>("GroupBox7")),
      ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox7)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox7)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox7)), GroupBox8(add<ui::GroupBox>("GroupBox8")),
      Edit5(add<ui::Edit>("Edit5", GroupBox8)), CheckBox1(add<ui::CheckBox>("CheckBox1")),
      GroupBox9(add<ui::GroupBox>("GroupBox9")), Edit7(add<ui::Edit>("Edit7", GroupBox9)),
      GroupBox10(add<ui::GroupBox>("GroupBox10")), Edit11(add<ui::Edit>("Edit11", GroupBox10)),
      Button10(add<ui::Button>("Button10", GroupBox10)), GroupBox11(add<ui::GroupBox>("GroupBox11")),
      Edit9(add<ui::Edit>("Edit9", GroupBox11)), Button9(add<ui::Button>("Button9", GroupBox11)),
      GroupBox12(add<ui::GroupBox>("GroupBox12")), Memo2(add<ui::RichEdit>("Memo2", GroupBox12)),
      Edit15(add<ui::Edit>("Edit15", GroupBox12)), Button11(add<ui::Button>("Button11", GroupBox12)),
      Button1(add<ui::Button>("Button1")), Button3(add<ui::Button>("Button3")),
      Button5(add<ui::Button>("Button5")), Button4(add<ui::Button>("Button4")),
      OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {
    setCaption("Brevaro      内部电报（传真）");
    setClientSize(640, 438);
    fixedCentredWindow(*this);
    placeControls(*this, Layout);
    fillFormData();
    bindEvents();
}

DocumentFields TForm15::fields() {
    DocumentFields f;
    f.abbreviation = &ComboBox1;
    f.numberYear = &Edit1;
    f.serial = &Edit4;
    f.leftPart = &ComboBox2;
    f.partSerial = &Edit2;
    f.rightPart = &ComboBox3;
    f.addressees = &Edit3;
    f.signers = {&qfbox, nullptr, nullptr};
    f.level = &ComboBox13;
    f.urgency = &ComboBox15;
    f.dateYear = &ComboBox10;
    f.dateMonth = &ComboBox11;
    f.dateDay = &ComboBox12;
    f.title = &Edit7;
    f.recipients = &Edit11;
    f.copyTo = &Edit9;
    f.body = &Memo2;
    f.importPath = &Edit15;
    f.sendingDepartment = &Edit5;
    f.hideMasthead = &CheckBox1;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

const OutputPlan& TForm15::outputPlan(bool hideFixedItems) {
    static const OutputPlan withFixedItems = makePlan(true);
    static const OutputPlan plain = makePlan(false);
    return hideFixedItems ? withFixedItems : plain;
}

void TForm15::fillFormData() {
    ComboBox1.setItems({"设置机关代字..."});
    ComboBox2.setItems({"设置机关代字..."});
    ComboBox3.setItems({"设置机关代字..."});
    Button6.setHint("设置常用机关代字");
    Button2.setHint("设置常用编号");
    Button7.setHint("设置常用编号");
    Edit3.setText("见报头");
    Button8.setHint("设置签发人");
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox15.setItems({"特提", "特急", "加急", "平急"});
    ComboBox10.setItems(yearComboItems(sysclock::today().year));
    ComboBox11.setItems(monthComboItems());
    ComboBox12.setItems(dayComboItems());
    Button10.setHint("设置主送单位");
    Button9.setHint("设置抄送单位");
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Edit15.setReadOnly(true);
    Button11.setHint("请选择文档插入");
    for (ui::Button* button : {&Button6, &Button2, &Button7, &Button8, &Button10, &Button9, &Button11})
        button->setShowHint(true);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button4.setVisible(false);
}

void TForm15::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button7.OnClick = [this] { Button2Click(); };
    ComboBox2.OnChange = [this] { ComboBox2Change(); };
    Button8.OnClick = [this] { Button8Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button10.OnClick = [this] { Button10Click(); };
    Button11.OnClick = [this] { Button11Click(); };
    for (ui::Edit* edit : {&Edit1, &Edit4})
        edit->OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
}

// The department and the check box come back from the profile that the output remembered them in.
void TForm15::FormCreate() {
    startDocumentForm(fields());
    ini::IniFile settings(paths().IniPath);
    if (std::optional<std::string> profile = rememberingProfile(settings)) {
        Edit5.setText(settings.readString(*profile, "jybm", ""));
        CheckBox1.setChecked(settings.readBool(*profile, "ycqt", false));
    }
}

void TForm15::Button5Click() {
    OutputDocument(*this, fields(), outputPlan(CheckBox1.checked()));
}

void TForm15::Button1Click() {
    OpenHelpFile();
}

void TForm15::Button3Click() {
    OpenUpdatePage();
}

void TForm15::Button4Click() {
    TrimBodyLines(Memo2);
}

void TForm15::Button6Click() {
    EditAbbreviationList(*this, ComboBox1);
}

void TForm15::ComboBox1Change() {
    ShowNextSerial(ComboBox1, Edit4);
}

void TForm15::Button2Click() {
    EditNumberPartLists(*this, ComboBox2, ComboBox3);
}

void TForm15::ComboBox2Change() {
    ShowNextLeftPartSerial(ComboBox2, Edit2);
}

void TForm15::Button8Click() {
    EditSignerList(*this, {&qfbox, nullptr, nullptr});
}

void TForm15::Button9Click() {
    PickUnits(*this, Edit9, UnitRole::CopyTo);
}

void TForm15::Button10Click() {
    PickUnits(*this, Edit11, UnitRole::MainRecipients);
}

void TForm15::Button11Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

void TForm15::Edit1KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

} // namespace composer
