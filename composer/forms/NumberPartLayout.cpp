#include "composer/forms/NumberPartLayout.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "platform/clock/SystemClock.h"

#include <array>

namespace composer {

namespace {

// What the number-part combos hold until the lists are loaded.
const char* const NumberPartFormData = "设置机关代字...";

// The top of the left column, the same on every form of this numbering; the forms place the rest.
constexpr std::array<Placement, 20> SharedLayout = {{
    {"GroupBox14", {}, "密级        保密期限        紧急程度", 6, 2, 300, 46},
    {"ComboBox13", {}, {}, 8, 16, 92, 24},
    {"ComboBox14", {}, {}, 104, 16, 92, 24},
    {"ComboBox15", {}, {}, 200, 16, 92, 24},
    {"GroupBox4", {}, {}, 6, 50, 300, 46},
    {"ComboBox1", {}, {}, 8, 16, 96, 24},
    {"Button6", {}, {}, 106, 16, 22, 24},
    {"Edit1", {}, {}, 132, 16, 44, 24},
    {"ComboBox2", {}, {}, 180, 16, 86, 24},
    {"Button2", {}, {}, 270, 16, 22, 24},
    {"GroupBox18", {}, "印发份数", 6, 98, 56, 46},
    {"Edit10", {}, {}, 8, 16, 40, 24},
    {"GroupBox13", {}, "成文日期（签发日期）", 66, 98, 240, 46},
    {"ComboBox10", {}, {}, 8, 16, 84, 24},
    {"ComboBox11", {}, {}, 96, 16, 64, 24},
    {"ComboBox12", {}, {}, 164, 16, 68, 24},
    {"GroupBox1", {}, "标题", 6, 146, 300, 46},
    {"Edit2", {}, {}, 8, 16, 284, 24},
    {"GroupBox16", {}, "主题词", 6, 194, 300, 46},
    {"Edit8", {}, {}, 8, 16, 284, 24},
}};

// The template's office and date row stands above the subject line, and WPS counts one more character at
// the end of a table: the label stands one character later there.
constexpr LabelOffsets WordSubjectLabel = {{20, 24}, {22, 26}};
constexpr LabelOffsets WpsSubjectLabel = {{21, 25}, {23, 27}};

// The masthead of these kinds has a fixed size and width.
constexpr slot::FixedMastheadSize MastheadSize = {36, 75};

SlotMap hostRows(const NumberPartOutput& output, LabelOffsets label, slot::MastheadAnchoring anchoring) {
    SlotMap rows = output.paragraphRows(label);
    rows.push_back(slot::masthead({6}, output.mastheadSuffix, anchoring, MastheadSize));
    rows.push_back(
        slot::shapeNames({{"WJBT", {6}}, {"BTBX", {4}}, {"GWXH", {3}}}, {{"DANG1", {7}}, {"DANG2", {8}}}));
    return rows;
}

} // namespace

OutputPlan numberPartPlan(const NumberPartOutput& output) {
    OutputPlan plan;
    plan.wordTemplate = output.templateName;
    plan.wordRows = hostRows(output, WordSubjectLabel, slot::MastheadAnchoring::AsTemplate);
    plan.wpsTemplate = output.templateName;
    plan.wpsRows = hostRows(output, WpsSubjectLabel, slot::MastheadAnchoring::ToPage);
    plan.steps.placeholders = output.placeholders;
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

NumberPartLayout::NumberPartLayout(std::string className, ui::Form* owner, const OutputPlan& plan)
    : ui::Form(std::move(className), owner), Panel1(add<ui::Panel>("Panel1")),
      GroupBox14(add<ui::GroupBox>("GroupBox14", Panel1)),
      ComboBox13(add<ui::ComboBox>("ComboBox13", GroupBox14)),
      ComboBox14(add<ui::ComboBox>("ComboBox14", GroupBox14)),
      ComboBox15(add<ui::ComboBox>("ComboBox15", GroupBox14)),
      GroupBox4(add<ui::GroupBox>("GroupBox4", Panel1)), ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox4)),
      Button6(add<ui::Button>("Button6", GroupBox4)), Edit1(add<ui::Edit>("Edit1", GroupBox4)),
      ComboBox2(add<ui::ComboBox>("ComboBox2", GroupBox4)), Button2(add<ui::Button>("Button2", GroupBox4)),
      GroupBox18(add<ui::GroupBox>("GroupBox18", Panel1)), Edit10(add<ui::Edit>("Edit10", GroupBox18)),
      GroupBox13(add<ui::GroupBox>("GroupBox13", Panel1)),
      ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox13)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox13)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox13)),
      GroupBox1(add<ui::GroupBox>("GroupBox1", Panel1)), Edit2(add<ui::Edit>("Edit2", GroupBox1)),
      GroupBox16(add<ui::GroupBox>("GroupBox16", Panel1)), Edit8(add<ui::Edit>("Edit8", GroupBox16)),
      GroupBox20(add<ui::GroupBox>("GroupBox20", Panel1)), Memo1(add<ui::Memo>("Memo1", GroupBox20)),
      GroupBox19(add<ui::GroupBox>("GroupBox19", Panel1)), Edit15(add<ui::Edit>("Edit15", GroupBox19)),
      Memo2(add<ui::RichEdit>("Memo2", GroupBox19)), Button5(add<ui::Button>("Button5", Panel1)),
      Button1(add<ui::Button>("Button1", Panel1)), Button3(add<ui::Button>("Button3", Panel1)),
      Button4(add<ui::Button>("Button4", Panel1)), Edit12(add<ui::Edit>("Edit12", Panel1)),
      OpenDialog1(add<ui::OpenDialog>("OpenDialog1")), m_plan(plan) {
    placeComponents();
    fillFormData();
    bindEvents();
}

DocumentFields NumberPartLayout::fields() {
    DocumentFields f;
    f.leftPart = &ComboBox1;
    f.serial = &Edit1;
    f.rightPart = &ComboBox2;
    f.level = &ComboBox13;
    f.period = &ComboBox14;
    f.urgency = &ComboBox15;
    f.dateYear = &ComboBox10;
    f.dateMonth = &ComboBox11;
    f.dateDay = &ComboBox12;
    f.title = &Edit2;
    f.subject = &Edit8;
    f.copies = &Edit10;
    f.units = &Memo1;
    f.body = &Memo2;
    f.importPath = &Edit15;
    f.issueDate = &Edit12;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

void NumberPartLayout::placeComponents() {
    fixedCentredWindow(*this);
    placeControls(*this, SharedLayout);
    Panel1.setBevel(ui::Bevel::Lowered);
}

void NumberPartLayout::fillFormData() {
    ComboBox13.setItems({"秘密", "机密", "绝密"});
    ComboBox14.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox15.setItems({"急  件", "特  急"});
    ComboBox1.setItems({NumberPartFormData});
    ComboBox2.setItems({NumberPartFormData});
    for (ui::Button* lists : {&Button6, &Button2}) {
        lists->setCaption("...");
        lists->setHint("设置常用编号");
        lists->setShowHint(true);
    }
    ComboBox10.setItems(yearComboItems(sysclock::today().year));
    ComboBox11.setItems(monthComboItems());
    ComboBox12.setItems(dayComboItems());
    Edit15.setReadOnly(true);
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button1.setCaption("帮助文档");
    Button3.setCaption("检查更新");
    Button4.setVisible(false);
    Edit12.setReadOnly(true);
    Edit12.setVisible(false);
}

void NumberPartLayout::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button5.OnClick = [this] { Button5Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button2.OnClick = [this] { Button6Click(); };
    Edit10.OnKeyPress = [this](char32_t& key) { Edit10KeyPress(key); };
    Button4.OnClick = [this] { Button4Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
}

void NumberPartLayout::FormCreate() {
    startDocumentForm(fields());
}

void NumberPartLayout::Button5Click() {
    OutputDocument(*this, fields(), m_plan);
}

void NumberPartLayout::ComboBox1Change() {
    ShowNextLeftPartSerial(ComboBox1, Edit1);
}

void NumberPartLayout::Button6Click() {
    EditNumberPartLists(*this, ComboBox1, ComboBox2);
}

void NumberPartLayout::Edit10KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

void NumberPartLayout::Button4Click() {
    TrimBodyLines(Memo2);
}

void NumberPartLayout::Button1Click() {
    OpenHelpFile();
}

void NumberPartLayout::Button3Click() {
    OpenUpdatePage();
}

} // namespace composer
