#include "composer/forms/FieldLayoutB.h"

#include "composer/core/DateCombos.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/forms/DocumentFormHandlers.h"
#include "composer/output/BodyImport.h"
#include "composer/windows/RecipientPicker.h"
#include "platform/clock/SystemClock.h"

#include <array>
#include <string>

namespace composer {

namespace {

// What the abbreviation and signer combos hold until their lists are loaded.
const char* const ListFormData = "设置机关代字...";

// The rows above the signers: number, marks, title and main recipients.
constexpr std::array<Placement, 16> HeadLayout = {{
    {"GroupBox1", {}, "发文字号", 8, 6, 300, 54},
    {"ComboBox7", {}, {}, 8, 20, 112, 24},
    {"Label1", "GroupBox1", "〔", 124, 24, 14, 18},
    {"Edit2", {}, {}, 140, 20, 44, 24},
    {"Label2", "GroupBox1", "〕", 186, 24, 14, 18},
    {"Edit3", {}, {}, 202, 20, 40, 24},
    {"Label3", "GroupBox1", "号", 246, 24, 16, 18},
    {"Button6", {}, {}, 266, 20, 26, 24},
    {"GroupBox2", {}, {}, 316, 6, 296, 54},
    {"ComboBox4", {}, {}, 8, 20, 88, 24},
    {"ComboBox5", {}, {}, 102, 20, 88, 24},
    {"ComboBox6", {}, {}, 196, 20, 90, 24},
    {"GroupBox3", {}, "公文标题", 8, 64, 604, 50},
    {"Edit5", {}, {}, 8, 20, 588, 24},
    {"GroupBox4", {}, "主送单位", 8, 118, 604, 50},
    {"Edit15", {}, {}, 8, 20, 556, 24},
}};

// The signers' row, when the form has signers, stands here and moves the rows below it down.
constexpr int SignerRowTop = 172;
constexpr int SignerRowHeight = 54;

// The rows below the signers, as they stand on a form without signers.
constexpr std::array<Placement, 20> BodyLayout = {{
    {"GroupBox5", {}, "正文", 8, 172, 604, 206},
    {"Memo1", {}, {}, 8, 20, 588, 146},
    {"Edit8", {}, {}, 8, 172, 496, 24},
    {"GroupBox6", {}, "附件：", 8, 382, 400, 84},
    {"fj", {}, {}, 8, 20, 296, 56},
    {"GroupBox7", {}, "附注：", 416, 382, 196, 84},
    {"Edit7", {}, {}, 8, 20, 180, 24},
    {"GroupBox8", {}, "成文日期（签发日期）", 8, 470, 300, 50},
    {"ComboBox1", {}, {}, 8, 20, 112, 24},
    {"ComboBox2", {}, {}, 126, 20, 80, 24},
    {"ComboBox3", {}, {}, 212, 20, 80, 24},
    {"GroupBox9", {}, "主题词", 316, 470, 296, 50},
    {"Edit6", {}, {}, 8, 20, 280, 24},
    {"GroupBox10", {}, "抄送单位", 8, 524, 460, 50},
    {"Edit13", {}, {}, 8, 20, 412, 24},
    {"GroupBox11", {}, "印发份数", 476, 524, 136, 50},
    {"Edit14", {}, {}, 8, 20, 120, 24},
    {"Button2", {}, "帮助文档", 8, 578, 90, 26},
    {"Button4", {}, "检查更新", 104, 578, 90, 26},
    {"BtnInsertRecord", {}, {}, 482, 578, 130, 26},
}};

constexpr int ClientWidth = 620;
constexpr int ClientHeightWithoutSigners = 606;

void setHinted(ui::Button& button, const char* caption, const char* hint) {
    button.setCaption(caption);
    button.setHint(hint);
    button.setShowHint(true);
}

} // namespace

FieldLayoutB::FieldLayoutB(std::string className, ui::Form* owner, const FieldLayoutBButtons& buttons,
                           const OutputPlan& plan)
    : ui::Form(std::move(className), owner), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox7(add<ui::ComboBox>("ComboBox7", GroupBox1)), Edit2(add<ui::Edit>("Edit2", GroupBox1)),
      Edit3(add<ui::Edit>("Edit3", GroupBox1)), Button6(add<ui::Button>("Button6", GroupBox1)),
      GroupBox2(add<ui::GroupBox>("GroupBox2")), ComboBox4(add<ui::ComboBox>("ComboBox4", GroupBox2)),
      ComboBox5(add<ui::ComboBox>("ComboBox5", GroupBox2)),
      ComboBox6(add<ui::ComboBox>("ComboBox6", GroupBox2)), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      Edit5(add<ui::Edit>("Edit5", GroupBox3)), GroupBox4(add<ui::GroupBox>("GroupBox4")),
      Edit15(add<ui::Edit>("Edit15", GroupBox4)),
      recipientsButton(add<ui::Button>(buttons.recipients, GroupBox4)),
      m_signers(addSigners(buttons.signers)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      Memo1(add<ui::RichEdit>("Memo1", GroupBox5)), Edit8(add<ui::Edit>("Edit8", GroupBox5)),
      importButton(add<ui::Button>(buttons.import, GroupBox5)), GroupBox6(add<ui::GroupBox>("GroupBox6")),
      fj(add<ui::Memo>("fj", GroupBox6)), attachmentButton(add<ui::Button>(buttons.attachment, GroupBox6)),
      GroupBox7(add<ui::GroupBox>("GroupBox7")), Edit7(add<ui::Edit>("Edit7", GroupBox7)),
      GroupBox8(add<ui::GroupBox>("GroupBox8")), ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox8)),
      ComboBox2(add<ui::ComboBox>("ComboBox2", GroupBox8)),
      ComboBox3(add<ui::ComboBox>("ComboBox3", GroupBox8)), GroupBox9(add<ui::GroupBox>("GroupBox9")),
      Edit6(add<ui::Edit>("Edit6", GroupBox9)), GroupBox10(add<ui::GroupBox>("GroupBox10")),
      Edit13(add<ui::Edit>("Edit13", GroupBox10)), copyToButton(add<ui::Button>(buttons.copyTo, GroupBox10)),
      GroupBox11(add<ui::GroupBox>("GroupBox11")), Edit14(add<ui::Edit>("Edit14", GroupBox11)),
      Edit16(add<ui::Edit>("Edit16")), Button1(add<ui::Button>("Button1")),
      Button2(add<ui::Button>("Button2")), Button4(add<ui::Button>("Button4")),
      BtnInsertRecord(add<ui::Button>("BtnInsertRecord")), OpenDialog1(add<ui::OpenDialog>("OpenDialog1")),
      m_plan(plan) {
    placeComponents();
    fillFormData();
    bindEvents();
}

DocumentFields FieldLayoutB::fields() {
    DocumentFields f;
    bindSharedRoles(*this, f);
    f.abbreviation = &ComboBox7;
    f.importPath = &Edit8;
    f.attachments = &fj;
    for (std::size_t i = 0; i < m_signers.size() && i < f.signers.size(); ++i)
        f.signers[i] = m_signers[i].combo;
    f.openDialog = &OpenDialog1;
    return f;
}

// The signer combos qfbox, qfbox2, qfbox3, each in a frame of its own with its list button.
std::vector<FieldLayoutB::Signer> FieldLayoutB::addSigners(const std::vector<const char*>& buttons) {
    std::vector<Signer> signers;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        std::string n = std::to_string(i + 1);
        auto& group = add<ui::GroupBox>("GroupBox" + std::to_string(12 + i));
        auto& combo = add<ui::ComboBox>(i == 0 ? "qfbox" : "qfbox" + n, group);
        auto& button = add<ui::Button>(buttons[i], group);
        signers.push_back({&group, &combo, &button});
    }
    return signers;
}

void FieldLayoutB::placeComponents() {
    fixedCentredWindow(*this);
    placeControls(*this, HeadLayout);
    placeControls(*this, BodyLayout);
    recipientsButton.setBounds(570, 20, 26, 24);
    importButton.setBounds(510, 172, 86, 24);
    attachmentButton.setBounds(310, 20, 82, 26);
    copyToButton.setBounds(426, 20, 26, 24);
    placeSigners();
}

// The signers share one row between the recipients and the body, which moves everything below it down.
void FieldLayoutB::placeSigners() {
    int shift = m_signers.empty() ? 0 : SignerRowHeight;
    setClientSize(ClientWidth, ClientHeightWithoutSigners + shift);
    if (m_signers.empty())
        return;
    for (ui::Control* below : std::initializer_list<ui::Control*>{
             &GroupBox5, &GroupBox6, &GroupBox7, &GroupBox8, &GroupBox9, &GroupBox10, &GroupBox11, &Button2,
             &Button4, &BtnInsertRecord}) {
        const ui::Bounds& b = below->bounds();
        below->setBounds(b.left, b.top + shift, b.width, b.height);
    }
    int count = static_cast<int>(m_signers.size());
    int width = (GroupBox4.bounds().width - 8 * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const Signer& signer = m_signers[static_cast<std::size_t>(i)];
        signer.group->setBounds(8 + i * (width + 8), SignerRowTop, width, SignerRowHeight - 4);
        signer.combo->setBounds(8, 20, width - 50, 24);
        signer.button->setBounds(width - 34, 20, 26, 24);
    }
}

void FieldLayoutB::fillFormData() {
    ComboBox7.setItems({ListFormData});
    setHinted(Button6, "...", "设置常用机关代字");
    captionsOverControls(GroupBox2,
                         {{"密级", &ComboBox4}, {"保密期限", &ComboBox5}, {"紧急程度", &ComboBox6}});
    ComboBox4.setItems({"秘密", "机密", "绝密"});
    ComboBox5.setItems({"一年", "二年", "三年", "五年", "十年", "二十年", "三十年", "长期"});
    ComboBox6.setItems({"急  件", "特  急"});
    setHinted(recipientsButton, "...", "设置主送单位");
    const char* const numbers[] = {"一", "二", "三"};
    for (std::size_t i = 0; i < m_signers.size(); ++i) {
        m_signers[i].group->setCaption(m_signers.size() == 1 ? "签发人" : std::string("签发人") + numbers[i]);
        m_signers[i].combo->setItems({ListFormData});
        setHinted(*m_signers[i].button, "...", "设置签发人");
    }
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Edit8.setReadOnly(true);
    setHinted(importButton, "导入文件", "请选择文档插入");
    fj.setScrollBars(ui::ScrollBars::Vertical);
    fj.setWordWrap(false);
    setHinted(attachmentButton, "添加附件...", "添加新附件");
    ComboBox1.setItems(yearComboItems(sysclock::today().year));
    ComboBox2.setItems(monthComboItems());
    ComboBox3.setItems(dayComboItems());
    setHinted(copyToButton, "...", "设置抄送单位");
    Edit16.setReadOnly(true);
    Edit16.setVisible(false);
    Button1.setVisible(false);
    BtnInsertRecord.setCaption(OutputCaptionWord);
    BtnInsertRecord.setDefault(true);
}

void FieldLayoutB::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    for (ui::Edit* edit : {&Edit2, &Edit3, &Edit14})
        edit->OnKeyPress = [this](char32_t& key) { Edit2KeyPress(key); };
    Button1.OnClick = [this] { Button1Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    ComboBox7.OnChange = [this] { ComboBox7Change(); };
    for (const Signer& signer : m_signers)
        signer.button->OnClick = [this] { editSignerList(); };
    copyToButton.OnClick = [this] { pickCopyTo(); };
    recipientsButton.OnClick = [this] { pickRecipients(); };
    importButton.OnClick = [this] { importBodyText(); };
    attachmentButton.OnClick = [this] { addAttachment(); };
    BtnInsertRecord.OnClick = [this] { BtnInsertRecordClick(); };
}

void FieldLayoutB::FormCreate() {
    startDocumentForm(fields());
}

void FieldLayoutB::Button2Click() {
    OpenHelpFile();
}

void FieldLayoutB::Button4Click() {
    OpenUpdatePage();
}

void FieldLayoutB::Edit2KeyPress(char32_t& key) {
    FilterDigitKey(key);
}

void FieldLayoutB::Button1Click() {
    TrimBodyLines(Memo1);
}

void FieldLayoutB::Button6Click() {
    EditAbbreviationList(*this, ComboBox7);
}

void FieldLayoutB::ComboBox7Change() {
    ShowNextSerial(ComboBox7, Edit3);
}

void FieldLayoutB::BtnInsertRecordClick() {
    OutputDocument(*this, fields(), m_plan);
}

void FieldLayoutB::editSignerList() {
    EditSignerList(*this, fields().signers);
}

void FieldLayoutB::pickCopyTo() {
    PickUnits(*this, Edit13, UnitRole::CopyTo);
}

void FieldLayoutB::pickRecipients() {
    PickUnits(*this, Edit15, UnitRole::MainRecipients);
}

void FieldLayoutB::importBodyText() {
    ImportBodyText(OpenDialog1, Edit8, Memo1);
}

void FieldLayoutB::addAttachment() {
    AddAttachment(fj);
}

} // namespace composer
