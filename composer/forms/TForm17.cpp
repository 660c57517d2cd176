#include "composer/forms/TForm17.h"

#include "composer/core/DateCombos.h"
#include "composer/core/DateParts.h"
#include "composer/core/FormLayout.h"
#include "composer/core/InstallationSettings.h"
#include "composer/core/ProcessPaths.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/forms/FieldLayoutB.h"
#include "composer/output/CellTextRows.h"
#include "composer/output/OutputProcedure.h"
#include "platform/clock/SystemClock.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <array>

namespace composer {

namespace {

// The output button's captions: the one of the form data, and those that carry the host kind.
constexpr const char* OutputCaptionFormData = "输出到W&ord";
constexpr const char* OutputCaptionToWord = "输出到Word";
constexpr const char* OutputCaptionToWps = "输出到Wps";

// The variants' window captions and templates (in the installation folder), by TemplateVariant - 1.
struct Variant {
    const char* caption;
    const char* templateName;
};
constexpr std::array<Variant, 3> Variants = {{
    {"Brevaro      分公司上行文", "dqx2a.dot"},
    {"Brevaro      党委上行文", "dqx2b.dot"},
    {"Brevaro      工会上行文", "dqx2c.dot"},
}};

const Variant* variantOf(int templateVariant) {
    if (templateVariant < 1 || templateVariant > static_cast<int>(Variants.size()))
        return nullptr;
    return &Variants[static_cast<std::size_t>(templateVariant - 1)];
}

// The year list starts where this form's always did, and runs through next year.
constexpr int FirstYear = 2003;

// The number and signer on top, marks and date under them, then title, recipients and body; the
// attachments beside the note; subject, copy-to and copies; the buttons.
constexpr Placement Layout[] = {
    {"GroupBox1", {}, "发文字号", 8, 6, 300, 54},
    {"Edit8", {}, {}, 8, 20, 104, 24},
    {"Label1", "GroupBox1", "〔", 116, 24, 14, 18},
    {"Edit2", {}, {}, 132, 20, 52, 24},
    {"Label2", "GroupBox1", "〕", 186, 24, 14, 18},
    {"Edit3", {}, {}, 202, 20, 64, 24},
    {"Label3", "GroupBox1", "号", 270, 24, 16, 18},
    {"GroupBox2", {}, "签发人", 316, 6, 296, 54},
    {"Edit9", {}, {}, 8, 20, 280, 24},
    {"GroupBox3", {}, {}, 8, 64, 300, 54},
    {"ComboBox4", {}, {}, 8, 20, 88, 24},
    {"ComboBox5", {}, {}, 102, 20, 92, 24},
    {"ComboBox6", {}, {}, 200, 20, 92, 24},
    {"GroupBox4", {}, "成文日期（签发日期）", 316, 64, 296, 54},
    {"ComboBox1", {}, {}, 8, 20, 112, 24},
    {"ComboBox2", {}, {}, 126, 20, 78, 24},
    {"ComboBox3", {}, {}, 210, 20, 78, 24},
    {"GroupBox5", {}, "公文标题", 8, 122, 604, 50},
    {"Edit5", {}, {}, 8, 20, 588, 24},
    {"GroupBox6", {}, "主送单位", 8, 176, 604, 50},
    {"Edit15", {}, {}, 8, 20, 588, 24},
    {"GroupBox7", {}, "正文", 8, 230, 604, 180},
    {"Memo1", {}, {}, 8, 20, 588, 152},
    {"GroupBox8", {}, "附件：", 8, 414, 400, 84},
    {"Label4", "GroupBox8", "1.", 8, 24, 16, 18},
    {"Edit1", {}, {}, 28, 20, 364, 24},
    {"Label5", "GroupBox8", "2.", 8, 52, 16, 18},
    {"Edit4", {}, {}, 28, 48, 364, 24},
    {"GroupBox9", {}, "附注：", 416, 414, 196, 84},
    {"Edit7", {}, {}, 8, 20, 180, 24},
    {"GroupBox10", {}, "主题词", 8, 502, 300, 50},
    {"Edit6", {}, {}, 8, 20, 284, 24},
    {"GroupBox11", {}, "抄送单位", 316, 502, 176, 50},
    {"Edit13", {}, {}, 8, 20, 160, 24},
    {"GroupBox12", {}, "印发份数", 500, 502, 112, 50},
    {"Edit14", {}, {}, 8, 20, 96, 24},
    {"Button2", {}, "帮助", 8, 560, 90, 26},
    {"Button4", {}, "访问Pellory软件站", 104, 560, 150, 26},
    {"BtnInsertRecord", {}, {}, 482, 560, 130, 26},
    // Hidden.
    {"Edit16", {}, {}, 260, 560, 100, 24},
};

constexpr int ClientWidth = 620;
constexpr int ClientHeight = 594;
// Where the window opens: it is not centred.
constexpr int DesignedLeft = 160;
constexpr int DesignedTop = 60;

// The slot map of every variant: the variants' templates give the same paragraphs, from the printing
// line up to the marks, and the subject words behind the label of the third table's first cell last.
SlotMap variantRows() {
    return {slot::copiesLine(29),
            slot::issueLine(29),
            slot::copyToAbove(29, slot::CopyToRule::Drawn),
            slot::noteLine(26),
            slot::dateLine(25),
            slot::blankLine(23, 2),
            slot::attachmentBlock(23, AttachmentListLead::BlankLineAlways, slot::AttachmentIndent::Lines),
            slot::bodyText(23),
            slot::recipientsLine(22, slot::RecipientsLead::None),
            slot::titleLine(19, slot::TitlePlacement::AfterSlot, slot::FixedTitleFont{"小标宋", 22}),
            slot::plainText(16, slot::Insert::After, value::firstSigner),
            slot::documentNumber(15, slot::NumberPlacement::AfterSlot),
            slot::secrecyMarks(6, 7),
            slot::textAfterCell(3, 1, 1, &OutputValues::subject)};
}

OutputPlan makePlan(const char* templateName) {
    OutputPlan plan;
    plan.wordTemplate = templateName;
    plan.wordRows = variantRows();
    OutputSteps& steps = plan.steps;
    steps.source = FormSource::InstallFolder;
    steps.rememberSerial = false;
    steps.fillPlaceholders = false;
    steps.issueLineWidth = IssueLineWidth::Fixed32;
    // Only the proofing marks are switched off: the page and the body style are the template's.
    steps.layout.applicationCaption = "Brevaro";
    steps.layout.tableGridlinesOff = false;
    steps.layout.margins = false;
    steps.layout.bodyStyle = false;
    steps.layout.charsLine = false;
    steps.startFailure = "无法启动Word。请检查是否已安装。";
    return plan;
}

// What an installation set to WPS gets instead of a document: the variants have Word templates only.
constexpr const char* WordOnlyMessage =
    "专用模板只能输出到Word，不能输出到Wps！请将安装文件夹中dqx.ini的wwww改为word。";

} // namespace

TForm17::TForm17(ui::Form* owner)
    : ui::Form("TForm17", owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      Edit8(add<ui::Edit>("Edit8", GroupBox1)), Edit2(add<ui::Edit>("Edit2", GroupBox1)),
      Edit3(add<ui::Edit>("Edit3", GroupBox1)), GroupBox2(add<ui::GroupBox>("GroupBox2")),
      Edit9(add<ui::Edit>("Edit9", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      ComboBox4(add<ui::ComboBox>("ComboBox4", GroupBox3)),
      ComboBox5(add<ui::ComboBox>("ComboBox5", GroupBox3)),
      ComboBox6(add<ui::ComboBox>("ComboBox6", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox4)),
      ComboBox2(add<ui::ComboBox>("ComboBox2", GroupBox4)),
      ComboBox3(add<ui::ComboBox>("ComboBox3", GroupBox4)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      Edit5(add<ui::Edit>("Edit5", GroupBox5)), GroupBox6(add<ui::GroupBox>("GroupBox6")),
      Edit15(add<ui::Edit>("Edit15", GroupBox6)), GroupBox7(add<ui::GroupBox>("GroupBox7")),
      Memo1(add<ui::RichEdit>("Memo1", GroupBox7)), GroupBox8(add<ui::GroupBox>("GroupBox8")),
      Edit1(add<ui::Edit>("Edit1", GroupBox8)), Edit4(add<ui::Edit>("Edit4", GroupBox8)),
      GroupBox9(add<ui::GroupBox>("GroupBox9")), Edit7(add<ui::Edit>("Edit7", GroupBox9)),
      GroupBox10(add<ui::GroupBox>("GroupBox10")), Edit6(add<ui::Edit>("Edit6", GroupBox10)),
      GroupBox11(add<ui::GroupBox>("GroupBox11")), Edit13(add<ui::Edit>("Edit13", GroupBox11)),
      GroupBox12(add<ui::GroupBox>("GroupBox12")), Edit14(add<ui::Edit>("Edit14", GroupBox12)),
      Edit16(add<ui::Edit>("Edit16")), Button2(add<ui::Button>("Button2")),
      Button4(add<ui::Button>("Button4")), BtnInsertRecord(add<ui::Button>("BtnInsertRecord")) {
    setCaption("Brevaro      上行文");
    setBounds(DesignedLeft, DesignedTop, 0, 0);
    setClientSize(ClientWidth, ClientHeight);
    setPosition(ui::FormPosition::Designed);
    setBorderIcons({.systemMenu = true, .minimise = true, .maximise = true});
    placeControls(*this, Layout);
    fillFormData();
    bindEvents();
}

DocumentFields TForm17::fields() {
    DocumentFields f;
    bindSharedRoles(*this, f);
    f.typedAbbreviation = &Edit8;
    f.typedSigner = &Edit9;
    f.attachmentFields = {&Edit1, &Edit4};
    return f;
}

const OutputPlan& TForm17::outputPlan(int templateVariant) {
    static const std::array<OutputPlan, 3> plans = {makePlan(Variants[0].templateName),
                                                    makePlan(Variants[1].templateName),
                                                    makePlan(Variants[2].templateName)};
    const Variant* variant = variantOf(templateVariant);
    return variant ? plans[static_cast<std::size_t>(variant - Variants.data())] : plans[0];
}

void TForm17::fillFormData() {
    captionsOverControls(GroupBox3,
                         {{"密级", &ComboBox4}, {"保密期限", &ComboBox5}, {"紧急程度", &ComboBox6}});
    ComboBox4.setItems({"秘密", "机密", "绝密"});
    ComboBox5.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox6.setItems({"急  件", "特  急"});
    ComboBox1.setItems(yearComboItems(sysclock::today().year, Numerals::Chinese, FirstYear));
    ComboBox2.setItems(monthComboItems());
    ComboBox3.setItems(dayComboItems());
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Edit16.setReadOnly(true);
    Edit16.setVisible(false);
    BtnInsertRecord.setCaption(OutputCaptionFormData);
}

void TForm17::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    BtnInsertRecord.OnClick = [this] { BtnInsertRecordClick(); };
}

void TForm17::FormCreate() {
    if (const Variant* variant = variantOf(paths().TemplateVariant))
        setCaption(variant->caption);
    bool wps = hostKindOf(readInstallationProfile().wwww) == HostKind::Wps;
    BtnInsertRecord.setCaption(wps ? OutputCaptionToWps : OutputCaptionToWord);
    sysclock::Date today = sysclock::today();
    Edit2.setText(std::to_string(today.year));
    Edit16.setText(IssueDateText(today.year, today.month, today.day));
    // The lists hold every year up to the next, so that today is always one of their items.
    ComboBox1.setText(chineseYearText(today.year));
    ComboBox2.setText(chineseMonthText(today.month));
    ComboBox3.setText(chineseDayText(today.day));
}

void TForm17::Button2Click() {
    OpenHelpFile();
}

void TForm17::Button4Click() {
    OpenUpdatePage();
}

// The variants have Word templates only: with the installation set to WPS the run is refused with a
// message, and nothing else changes.
void TForm17::BtnInsertRecordClick() {
    if (BtnInsertRecord.caption() == OutputCaptionToWps) {
        ui::messageBox(WordOnlyMessage, ui::Application::current().title(), ui::MessageButtons::Ok,
                       ui::MessageIcon::Warning, this);
        return;
    }
    OutputDocument(*this, fields(), outputPlan(paths().TemplateVariant));
}

} // namespace composer
