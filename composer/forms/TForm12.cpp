#include "composer/forms/TForm12.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/output/NumberPartRows.h"
#include "composer/output/OrderRows.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/SlipRows.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"

namespace composer {

namespace {

using slot::Insert;

// The number, date, post, subject and distribution on the left; the body on the right.
constexpr Placement Layout[] = {
    {"GroupBox1", {}, "  令 号  ", 8, 6, 300, 50},
    {"Label1", "GroupBox1", "第", 8, 24, 16, 18},
    {"Edit1", {}, {}, 28, 20, 80, 24},
    {"Label2", "GroupBox1", "号", 112, 24, 16, 18},
    {"GroupBox2", {}, " 签发日期 ", 8, 58, 300, 50},
    {"ComboBox10", {}, {}, 8, 20, 112, 24},
    {"ComboBox11", {}, {}, 126, 20, 80, 24},
    {"ComboBox12", {}, {}, 212, 20, 80, 24},
    {"GroupBox3", {}, "  签发人职务  ", 8, 110, 300, 50},
    {"Edit10", {}, {}, 8, 20, 284, 24},
    {"GroupBox4", {}, "主题词", 8, 162, 300, 50},
    {"Edit8", {}, {}, 8, 20, 284, 24},
    {"GroupBox5", {}, "分送：", 8, 214, 300, 92},
    {"Memo1", {}, {}, 8, 20, 252, 64},
    {"Button7", {}, "...", 266, 20, 26, 24},
    {"GroupBox6", {}, "正文", 316, 6, 296, 300},
    {"Memo2", {}, {}, 8, 20, 280, 240},
    {"Edit15", {}, {}, 8, 266, 188, 24},
    {"Button8", {}, "导入文件", 200, 266, 88, 24},
    {"Button1", {}, "帮助文档", 8, 312, 90, 26},
    {"Button3", {}, "检查更新", 104, 312, 90, 26},
    {"Button5", {}, {}, 482, 312, 130, 26},
    // Hidden.
    {"Button4", {}, {}, 200, 312, 90, 26},
    {"Edit12", {}, {}, 200, 312, 90, 24},
};

// An empty order number still gives the number line its place: "第", two blanks, "号".
constexpr const char* BlankOrderNumber = "  ";

// The subject label stands at the start of the printing block's first cell; no table stands in front of
// it, so both word processors count the same characters.
constexpr LabelOffsets SubjectLabel = {{16, 20}, {16, 20}};

// The masthead keeps the template's size and width and its outline; WPS distributes it over the box as
// the template does.
slot::MastheadFormat mastheadFormat(bool wps) {
    slot::MastheadFormat format;
    format.size = format.scaling = slot::MastheadMeasure::ofTemplate();
    if (!wps)
        format.alignment = slot::MastheadAlignment::AsTemplate;
    format.outline = slot::MastheadOutline::AsTemplate;
    return format;
}

// The rows below the printing block's subject line, down to the masthead in its fixed shape.
SlotMap bodyRows(bool wps) {
    return {slot::plainText(13, Insert::Before, value::date), // as the combos give it, in both styles
            slot::signerPostLine(10),                         // above the slot under the body
            slot::bodyText(9, slot::BodyEnd::TwoBlankLines),  // two blank lines after the body
            slot::orderNumber(6),                             // "第…号"
            slot::masthead({3}, "令", mastheadFormat(wps)),   // the authority + "令"
            slot::shapeNames({{"WJBT", {3}}}, {})};
}

// The printing block, the same in both hosts: the printing line and the distribution line, written
// also without units.
SlotMap printingRows() {
    return {slot::issueLine(17), slot::unitsLine(16, "分送：")};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx5.dqx";
    // Word writes the subject line behind the paragraph above the block and opens two blank lines there.
    plan.wordRows = joined(joined(printingRows(), {slot::subjectLine(14, SubjectLabel),
                                                   slot::templateSizeCheck(), slot::blankLine(14, 2)}),
                           bodyRows(false));
    // WPS writes it into the block's cell and sets the date's slot in the body font instead.
    plan.wpsTemplate = "dqx5.dqx";
    plan.wpsRows = joined(
        joined(printingRows(), {slot::subjectLine(15, SubjectLabel, slot::SubjectPlacement::IntoSlot),
                                slot::templateSizeCheck(), slot::paragraphFont(13, &AuthorityProfile::zwzt)}),
        bodyRows(true));
    plan.steps.placeholders.serial = BlankOrderNumber;
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

} // namespace

TForm12::TForm12(ui::Form* owner)
    : ui::Form("TForm12", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      Edit1(add<ui::Edit>("Edit1", GroupBox1)), GroupBox2(add<ui::GroupBox>("GroupBox2")),
      ComboBox10(add<ui::ComboBox>("ComboBox10", GroupBox2)),
      ComboBox11(add<ui::ComboBox>("ComboBox11", GroupBox2)),
      ComboBox12(add<ui::ComboBox>("ComboBox12", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      Edit10(add<ui::Edit>("Edit10", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      Edit8(add<ui::Edit>("Edit8", GroupBox4)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      Memo1(add<ui::Memo>("Memo1", GroupBox5)), Button7(add<ui::Button>("Button7", GroupBox5)),
      GroupBox6(add<ui::GroupBox>("GroupBox6")), Memo2(add<ui::RichEdit>("Memo2", GroupBox6)),
      Edit15(add<ui::Edit>("Edit15", GroupBox6)), Button8(add<ui::Button>("Button8", GroupBox6)),
      Edit12(add<ui::Edit>("Edit12")), Button1(add<ui::Button>("Button1")),
      Button3(add<ui::Button>("Button3")), Button5(add<ui::Button>("Button5")),
      Button4(add<ui::Button>("Button4")), OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {
    setCaption("Brevaro     命令（令）");
    setClientSize(620, 344);
    fixedCentredWindow(*this);
    placeControls(*this, Layout);
    fillFormData();
    bindEvents();
}

DocumentFields TForm12::fields() {
    DocumentFields f;
    f.serial = &Edit1;
    f.dateYear = &ComboBox10;
    f.dateMonth = &ComboBox11;
    f.dateDay = &ComboBox12;
    f.subject = &Edit8;
    f.signerPost = &Edit10;
    f.units = &Memo1;
    f.body = &Memo2;
    f.importPath = &Edit15;
    f.issueDate = &Edit12;
    f.output = &Button5;
    f.openDialog = &OpenDialog1;
    return f;
}

const OutputPlan& TForm12::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm12::fillFormData() {
    ComboBox10.setItems(yearComboItems(sysclock::today().year));
    ComboBox11.setItems(monthComboItems());
    ComboBox12.setItems(dayComboItems());
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Button7.setHint("设置分送单位");
    Memo2.setScrollBars(ui::ScrollBars::Vertical);
    Edit15.setReadOnly(true);
    Button8.setHint("请选择文档插入");
    for (ui::Button* button : {&Button7, &Button8})
        button->setShowHint(true);
    Edit12.setReadOnly(true);
    Edit12.setVisible(false);
    Button5.setCaption(OutputCaptionWord);
    Button5.setDefault(true);
    Button4.setVisible(false);
}

void TForm12::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    Edit1.OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
}

void TForm12::FormCreate() {
    startDocumentForm(fields());
}

void TForm12::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

void TForm12::Button1Click() {
    OpenHelpFile();
}

void TForm12::Button3Click() {
    OpenUpdatePage();
}

void TForm12::Button4Click() {
    TrimBodyLines(Memo2);
}

void TForm12::Button7Click() {
    PickUnits(*this, Memo1, UnitRole::Distribution);
}

void TForm12::Button8Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

void TForm12::Edit1KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

} // namespace composer
