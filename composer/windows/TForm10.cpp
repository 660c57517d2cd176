#include "composer/windows/TForm10.h"

#include "composer/core/AuthorityProfile.h"
#include "composer/core/FormLayout.h"
#include "composer/core/KeyFilters.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProfileNames.h"
#include "composer/core/ProfileWriter.h"
#include "composer/core/ShowMessage.h"
#include "composer/windows/FontChoices.h"
#include "composer/windows/MastheadScale.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <algorithm>
#include <array>

namespace composer {

namespace {

// The current profile's name when none is set yet; it names no profile.
const char* const NoProfileYet = "请设置发文机关名称";
// The confirm button writes nothing for this name.
const char* const NamePromptText = "请输入发文机关名称";

const char* const AddCaption = "添加发文机关（如XX市人民政府）";
const std::string AddPrompt = "请输入发文机关名称：" + std::string(13, ' ');
const char* const NameTooLong = "设置出错！印发机关名称过长（超过20个汉字），无法正常输出!";
const char* const NameUnusable =
    "设置出错！发文机关名称不能以空格或引号开头结尾，不能含有“]”，也不能是dqx、jg、left，无法正常保存!";

ini::IniFile settingsFile() {
    return ini::IniFile(paths().IniPath);
}

// The items of the red-rule adjustment combos; the settings keep the item's index.
const std::vector<std::string> RedLineSteps = {"-5", "0", "＋5", "＋10"};

// The designer's table: captions and places in the 658 x 283 client area. Labels without a name in the
// header are the static texts.
constexpr std::array<Placement, 47> Layout = {{
    {"Label4", {}, "选择发文机关（右按钮添加）：", 8, 6},
    {"ComboBox8", {}, {}, 8, 22, 294, 24},
    {"SpeedButton1", {}, "+", 306, 22, 24, 24},
    {"Label1", {}, "印发机关名称（如XXX人民政府办公室）：", 8, 52},
    {"Edit1", {}, {}, 8, 68, 322, 24},
    {"GroupBox3", {}, " 发文单位性质 ", 8, 98, 170, 46},
    {"RadioButton4", "GroupBox3", "行政(企事业)", 10, 20, 96, 20},
    {"RadioButton3", "GroupBox3", "党委", 112, 20, 52, 20},
    {"GroupBox2", {}, " 生成格式 ", 184, 98, 146, 46},
    {"RadioButton1", "GroupBox2", "Word", 10, 20, 64, 20},
    {"RadioButton2", "GroupBox2", "WPS", 76, 20, 60, 20},
    {"GroupBox7", {}, " 红色反线位置微调(单位:毫米) ", 8, 150, 322, 78},
    {"Label14", "GroupBox7", "下行文:", 12, 24},
    {"ComboBox4", "GroupBox7", {}, 74, 20, 80, 24},
    {"Label15", "GroupBox7", "上行文:", 170, 24},
    {"ComboBox5", "GroupBox7", {}, 232, 20, 80, 24},
    {"Label16", "GroupBox7", "会议纪要:", 12, 52},
    {"ComboBox6", "GroupBox7", {}, 74, 48, 80, 24},
    {"Label17", "GroupBox7", "简报:", 170, 52},
    {"ComboBox7", "GroupBox7", {}, 232, 48, 80, 24},
    {"GroupBox1", {}, " 发文机关标识字体设置 ", 338, 4, 312, 78},
    {"ComboBox1", "GroupBox1", {}, 10, 20, 200, 24},
    {"CheckBox1", "GroupBox1", "粗体", 224, 22, 60, 20},
    {"Label2", "GroupBox1", "字号:", 10, 52},
    {"Edit2", "GroupBox1", {}, 46, 48, 40, 24},
    {"Label3", "GroupBox1", "缩放比例:", 104, 52},
    {"Edit5", "GroupBox1", {}, 166, 48, 40, 24},
    {"Label5", "GroupBox1", "%", 210, 52},
    {"GroupBox4", {}, " 标题字体设置 ", 338, 88, 312, 52},
    {"ComboBox2", "GroupBox4", {}, 10, 20, 130, 24},
    {"Label6", "GroupBox4", "字号:", 146, 24},
    {"Edit6", "GroupBox4", {}, 178, 20, 32, 24},
    {"Label7", "GroupBox4", "(默认二号22磅)", 216, 24},
    {"GroupBox5", {}, " 正文字体设置 ", 338, 146, 312, 52},
    {"ComboBox3", "GroupBox5", {}, 10, 20, 130, 24},
    {"Label8", "GroupBox5", "字号:", 146, 24},
    {"Edit7", "GroupBox5", {}, 178, 20, 32, 24},
    {"Label9", "GroupBox5", "(默认三号16磅)", 216, 24},
    {"GroupBox6", {}, " 页边距设置(单位:毫米) ", 8, 230, 402, 48},
    {"Label10", "GroupBox6", "上边距:", 10, 22},
    {"Edit8", "GroupBox6", {}, 56, 18, 38, 24},
    {"Label11", "GroupBox6", "下边距:", 104, 22},
    {"Edit9", "GroupBox6", {}, 150, 18, 38, 24},
    {"Label12", "GroupBox6", "内侧边距:", 198, 22},
    {"Edit10", "GroupBox6", {}, 256, 18, 38, 24},
    {"Label13", "GroupBox6", "外侧边距:", 302, 22},
    {"Edit11", "GroupBox6", {}, 358, 18, 38, 24},
}};

constexpr std::array<Placement, 4> ButtonLayout = {{
    {"Button9", {}, "保存当前配置", 420, 218, 112, 27},
    {"Button7", {}, "删除当前配置", 538, 218, 112, 27},
    {"Button6", {}, "恢复默认配置", 420, 251, 112, 27},
    {"Button2", {}, "确定", 538, 251, 112, 27},
}};

// Shows a value in a list-only combo box; a value that the list lacks (a font that this machine does
// not have) is added, so that saving keeps it.
void showChoice(ui::ComboBox& combo, const std::string& value) {
    if (!value.empty() && std::ranges::find(combo.items(), value) == combo.items().end())
        combo.addItem(value);
    combo.setText(value);
}

} // namespace

TForm10::TForm10(ui::Form* owner)
    : ui::Form("TForm10", owner), Label4(add<ui::Label>("Label4")), ComboBox8(add<ui::ComboBox>("ComboBox8")),
      SpeedButton1(add<ui::SpeedButton>("SpeedButton1")), Label1(add<ui::Label>("Label1")),
      Edit1(add<ui::Edit>("Edit1")), GroupBox3(add<ui::GroupBox>("GroupBox3")),
      RadioButton4(add<ui::RadioButton>("RadioButton4", GroupBox3)),
      RadioButton3(add<ui::RadioButton>("RadioButton3", GroupBox3)),
      GroupBox2(add<ui::GroupBox>("GroupBox2")),
      RadioButton1(add<ui::RadioButton>("RadioButton1", GroupBox2)),
      RadioButton2(add<ui::RadioButton>("RadioButton2", GroupBox2)),
      GroupBox7(add<ui::GroupBox>("GroupBox7")), ComboBox4(add<ui::ComboBox>("ComboBox4", GroupBox7)),
      ComboBox5(add<ui::ComboBox>("ComboBox5", GroupBox7)),
      ComboBox6(add<ui::ComboBox>("ComboBox6", GroupBox7)),
      ComboBox7(add<ui::ComboBox>("ComboBox7", GroupBox7)), GroupBox1(add<ui::GroupBox>("GroupBox1")),
      ComboBox1(add<ui::ComboBox>("ComboBox1", GroupBox1)), Edit2(add<ui::Edit>("Edit2", GroupBox1)),
      Edit5(add<ui::Edit>("Edit5", GroupBox1)), CheckBox1(add<ui::CheckBox>("CheckBox1", GroupBox1)),
      GroupBox4(add<ui::GroupBox>("GroupBox4")), ComboBox2(add<ui::ComboBox>("ComboBox2", GroupBox4)),
      Edit6(add<ui::Edit>("Edit6", GroupBox4)), GroupBox5(add<ui::GroupBox>("GroupBox5")),
      ComboBox3(add<ui::ComboBox>("ComboBox3", GroupBox5)), Edit7(add<ui::Edit>("Edit7", GroupBox5)),
      GroupBox6(add<ui::GroupBox>("GroupBox6")), Edit8(add<ui::Edit>("Edit8", GroupBox6)),
      Edit9(add<ui::Edit>("Edit9", GroupBox6)), Edit10(add<ui::Edit>("Edit10", GroupBox6)),
      Edit11(add<ui::Edit>("Edit11", GroupBox6)), Button9(add<ui::Button>("Button9")),
      Button7(add<ui::Button>("Button7")), Button6(add<ui::Button>("Button6")),
      Button2(add<ui::Button>("Button2")) {
    setUpControls();
    bindEvents();
}

void TForm10::bindEvents() {
    OnCreate = [this] { FormCreate(); };
    ComboBox8.OnClick = [this] { ComboBox8Click(); };
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    for (ui::Edit* edit : {&Edit2, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9, &Edit10, &Edit11})
        edit->OnKeyPress = FilterDigitKey;
    for (ui::ComboBox* combo :
         {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4, &ComboBox5, &ComboBox6, &ComboBox7, &ComboBox8})
        combo->OnKeyPress = DiscardKey;
}

void TForm10::FormCreate() {
    const std::vector<std::string> fonts = fontChoices(ui::screenFonts());
    for (ui::ComboBox* combo : {&ComboBox1, &ComboBox2, &ComboBox3})
        combo->setItems(fonts);
    // One reading of the file serves the list, the current name and its profile.
    const ini::IniFile settings = settingsFile();
    ComboBox8.setItems(profileNames(settings));
    const std::string current = currentProfileName(settings, NoProfileYet);
    if (current != NoProfileYet)
        showProfileName(current);
    loadProfile(settings, current, ProfileDefaults::settingsWindow());
}

void TForm10::ComboBox8Click() {
    if (ComboBox8.text().empty())
        return;
    loadProfile(settingsFile(), ComboBox8.text(), ProfileDefaults::settingsWindowPicked());
    if (Edit5.text() == "0")
        SuggestScalePercent();
}

void TForm10::SpeedButton1Click() {
    const auto answer = ui::inputQuery(AddCaption, AddPrompt, "");
    if (!answer)
        return;
    switch (judgeNewProfileName(*answer)) {
    case NameVerdict::TooLong:
        showMessage(NameTooLong);
        return;
    case NameVerdict::Unusable:
        showMessage(NameUnusable);
        return;
    case NameVerdict::Empty:
        return;
    case NameVerdict::Accepted:
        break;
    }
    ComboBox8.addItem(*answer);
    ComboBox8.setItemIndex(ComboBox8.itemCount() - 1);
    Edit1.setText(*answer);
    setStandardDefaults();
    SuggestScalePercent();
}

void TForm10::Button6Click() {
    setStandardDefaults();
    SuggestScalePercent();
}

void TForm10::Button9Click() {
    // Without a name there is no section to write into.
    if (ComboBox8.itemCount() == 0 || ComboBox8.text().empty())
        return;
    saveProfile();
}

void TForm10::Button2Click() {
    if (ComboBox8.text().empty() || ComboBox8.text() == NamePromptText)
        return;
    if (!saveProfile()) {
        // Closing now would throw away what the user set; the window stays for another try or cancel.
        setModalResult(ui::mrNone);
        return;
    }
    ProcessPaths& p = paths();
    p.DataFolder = deriveDataFolder();
    p.TemplateFolder = templateFolderFor(p.DataFolder, RadioButton4.checked());
}

void TForm10::Button7Click() {
    if (ComboBox8.itemCount() == 0)
        return;
    const std::string erased = ComboBox8.text();
    if (ui::messageBox("您确认要删除【" + erased + "】的配置吗？", "确认删除", ui::MessageButtons::YesNo,
                       ui::MessageIcon::Warning, this) != ui::mrYes)
        return;
    // The file changes in one rewrite, and the window follows only when it has.
    writeSettings([&] {
        ini::IniFile settings = settingsFile();
        ComboBox8.setItems(eraseAuthorityProfile(settings, erased));
        if (ComboBox8.itemCount() == 0) {
            ComboBox8.setText({});
            Edit1.setText({});
            return;
        }
        const std::string current = currentProfileName(settings, "");
        showProfileName(current);
        loadProfile(settings, current, ProfileDefaults::settingsWindow());
    });
}

bool TForm10::saveProfile() {
    return writeSettings([this] {
        ini::IniFile settings = settingsFile();
        writeAuthorityProfile(settings, profileFromControls());
    });
}

bool TForm10::writeSettings(const std::function<void()>& change) {
    try {
        change();
        return true;
    } catch (const ini::Error& error) {
        ui::Application::current().showException(error);
        return false;
    }
}

void TForm10::showProfileName(const std::string& name) {
    // A reserved section is no profile: writing the controls into it would spoil it.
    ComboBox8.setText(isReservedSection(name) ? std::string() : name);
}

void TForm10::loadProfile(const ini::IniFile& settings, const std::string& name,
                          const ProfileDefaults& defaults) {
    showProfile(readAuthorityProfile(settings, name, defaults));
}

void TForm10::SuggestScalePercent() {
    if (const auto percent = suggestedScalePercent(text::gbkLength(ComboBox8.text())))
        Edit5.setText(*percent);
}

void TForm10::setUpControls() {
    setCaption("常规设置");
    setBorderStyle(ui::BorderStyle::Dialog);
    setBorderIcons({.systemMenu = true, .minimise = true, .maximise = false});
    setPosition(ui::FormPosition::ScreenCenter);
    setClientSize(658, 283);
    placeControls(*this, Layout);
    placeControls(*this, ButtonLayout);
    // Typing is discarded, and a list-only combo takes no pasted or deleted text either. The profile
    // combo shows the current profile's name as the settings file has it, also when no section is
    // spelt so; it is read-only for the same reason.
    for (ui::ComboBox* combo :
         {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4, &ComboBox5, &ComboBox6, &ComboBox7})
        combo->setStyle(ui::ComboStyle::DropDownList);
    ComboBox8.setReadOnly(true);
    for (ui::ComboBox* combo : {&ComboBox4, &ComboBox5, &ComboBox6, &ComboBox7})
        combo->setItems(RedLineSteps);
    SpeedButton1.setHint("添加发文机关");
    SpeedButton1.setShowHint(true);
    Button2.setDefault(true);
    Button2.setModalResult(ui::mrOk);
}

void TForm10::showProfile(const AuthorityProfile& profile) {
    Edit1.setText(profile.name);
    Edit2.setText(profile.fontsize);
    Edit5.setText(profile.fontbl);
    RadioButton4.setChecked(profile.xz);
    RadioButton3.setChecked(!profile.xz);
    showChoice(ComboBox1, profile.fwzt);
    CheckBox1.setChecked(profile.fwbold);
    showChoice(ComboBox2, profile.btzt);
    Edit6.setText(profile.btsize);
    showChoice(ComboBox3, profile.zwzt);
    Edit7.setText(profile.zwsize);
    Edit8.setText(profile.top);
    Edit9.setText(profile.foot);
    Edit10.setText(profile.left);
    Edit11.setText(profile.right);
    ComboBox4.setItemIndex(profile.xxfx);
    ComboBox5.setItemIndex(profile.sxfx);
    ComboBox6.setItemIndex(profile.jyfx);
    ComboBox7.setItemIndex(profile.jbfx);
    const bool wps = hostKindOf(profile.wwww) == HostKind::Wps;
    RadioButton1.setChecked(!wps);
    RadioButton2.setChecked(wps);
}

AuthorityProfile TForm10::profileFromControls() const {
    AuthorityProfile p;
    p.section = ComboBox8.text();
    p.name = Edit1.text();
    p.fontsize = Edit2.text();
    p.fontbl = Edit5.text();
    p.xz = RadioButton4.checked();
    p.fwzt = ComboBox1.text();
    p.fwbold = CheckBox1.checked();
    p.btzt = ComboBox2.text();
    p.btsize = Edit6.text();
    p.zwzt = ComboBox3.text();
    p.zwsize = Edit7.text();
    p.top = Edit8.text();
    p.foot = Edit9.text();
    p.left = Edit10.text();
    p.right = Edit11.text();
    p.xxfx = ComboBox4.itemIndex();
    p.sxfx = ComboBox5.itemIndex();
    p.jyfx = ComboBox6.itemIndex();
    p.jbfx = ComboBox7.itemIndex();
    p.wwww = RadioButton1.checked() ? "word" : "wps";
    return p;
}

void TForm10::setStandardDefaults() {
    // The profile's own name and the scale stay; everything else takes the standard values.
    AuthorityProfile standard;
    standard.name = Edit1.text();
    standard.fontbl = Edit5.text();
    standard.fontsize = "55";
    standard.fwzt = TitleFont;
    standard.wwww = "word";
    showProfile(standard);
}

} // namespace composer
