#include "composer/windows/TForm1.h"

#include "composer/core/AuthorityProfile.h"
#include "composer/core/DesktopOpen.h"
#include "composer/core/FormLayout.h"
#include "composer/core/ProcessPaths.h"
#include "composer/core/ProductPages.h"
#include "composer/output/UnopenedDocuments.h"
#include "composer/windows/ChooserChoices.h"
#include "composer/windows/DocumentForms.h"
#include "composer/windows/TForm10.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Dialogs.h"

#include <array>
#include <filesystem>

namespace composer {

namespace {

// Captions and places in the 450 x 323 client area; the radio buttons all sit in Panel1, over the frames.
constexpr std::array<Placement, 23> Layout = {{
    {"Panel1", {}, {}, 0, 0, 450, 323},
    {"Image1", "Panel1", {}, 4, 4, 441, 57},
    {"GroupBox1", "Panel1", "下行（平行）文", 6, 66, 438, 50},
    {"RadioButton1", "Panel1", "标准", 20, 88, 70, 20},
    {"RadioButton2", "Panel1", "联合发文（2个公章）", 96, 88, 160, 20},
    {"RadioButton3", "Panel1", "联合发文（2个以上公章）", 262, 88, 176, 20},
    {"GroupBox2", "Panel1", "上行文", 6, 122, 438, 50},
    {"RadioButton4", "Panel1", "标准", 20, 144, 70, 20},
    {"RadioButton5", "Panel1", "联合发文（2个公章）", 96, 144, 160, 20},
    {"RadioButton6", "Panel1", "联合发文（2个以上公章）", 262, 144, 176, 20},
    {"GroupBox3", "Panel1", "其他格式", 6, 178, 438, 84},
    {"RadioButton7", "Panel1", "信函式", 20, 200, 64, 20},
    {"RadioButton8", "Panel1", "会议纪要", 87, 200, 76, 20},
    {"RadioButton9", "Panel1", "讲话", 166, 200, 76, 20},
    {"RadioButton11", "Panel1", "命令", 245, 200, 76, 20},
    {"RadioButton14", "Panel1", "内部电报(传真)", 324, 200, 112, 20},
    {"RadioButton12", "Panel1", "简报", 20, 232, 64, 20},
    {"RadioButton22", "Panel1", "横排页面", 87, 232, 76, 20},
    {"RadioButton13", "Panel1", "发文审批", 166, 232, 76, 20},
    {"RadioButton21", "Panel1", "收文处理", 245, 232, 76, 20},
    {"RadioButton10", "Panel1", "标准空白文档", 324, 232, 112, 20},
    {"Button2", "Panel1", "常规设置", 8, 286, 96, 27},
    {"Button1", "Panel1", "下一步 >>", 346, 286, 96, 27},
}};

// The hidden choices lie right of the visible area.
constexpr std::array<Placement, 6> HiddenLayout = {{
    {"RadioButton15", "Panel1", "分公司专用模板", 470, 10, 120, 20},
    {"RadioButton16", "Panel1", "分公司专用模板", 470, 34, 120, 20},
    {"RadioButton17", "Panel1", "党委专用模板", 470, 58, 120, 20},
    {"RadioButton18", "Panel1", "工会专用模板", 470, 82, 120, 20},
    {"RadioButton19", "Panel1", "党委专用模板", 470, 106, 120, 20},
    {"RadioButton20", "Panel1", "工会专用模板", 470, 130, 120, 20},
}};

// The installed banner, or, in a build tree, the one beside the sources; empty when there is none.
std::string bannerPicture() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path installed = fs::path(paths().InstallFolder) / "banner.png";
    if (fs::exists(installed, ignored))
        return installed.string();
    const fs::path beside =
        fs::path(__FILE__).parent_path().parent_path().parent_path() / "help" / "banner.png";
    return fs::exists(beside, ignored) ? beside.string() : std::string();
}

} // namespace

TForm1::TForm1(ui::Form* owner)
    : ui::Form("TForm1", owner), Panel1(add<ui::Panel>("Panel1")), Image1(add<ui::Image>("Image1", Panel1)),
      GroupBox1(add<ui::GroupBox>("GroupBox1", Panel1)), GroupBox2(add<ui::GroupBox>("GroupBox2", Panel1)),
      GroupBox3(add<ui::GroupBox>("GroupBox3", Panel1)), RadioButton1(radio("RadioButton1")),
      RadioButton2(radio("RadioButton2")), RadioButton3(radio("RadioButton3")),
      RadioButton4(radio("RadioButton4")), RadioButton5(radio("RadioButton5")),
      RadioButton6(radio("RadioButton6")), RadioButton7(radio("RadioButton7")),
      RadioButton8(radio("RadioButton8")), RadioButton9(radio("RadioButton9")),
      RadioButton11(radio("RadioButton11")), RadioButton14(radio("RadioButton14")),
      RadioButton12(radio("RadioButton12")), RadioButton22(radio("RadioButton22")),
      RadioButton13(radio("RadioButton13")), RadioButton21(radio("RadioButton21")),
      RadioButton10(radio("RadioButton10")), RadioButton15(radio("RadioButton15")),
      RadioButton16(radio("RadioButton16")), RadioButton17(radio("RadioButton17")),
      RadioButton18(radio("RadioButton18")), RadioButton19(radio("RadioButton19")),
      RadioButton20(radio("RadioButton20")), Button2(add<ui::Button>("Button2", Panel1)),
      Button1(add<ui::Button>("Button1", Panel1)) {
    setUpControls();
    OnCreate = [this] { FormCreate(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Image1.OnClick = [this] { Image1Click(); };
}

ui::RadioButton& TForm1::radio(const char* name) {
    return add<ui::RadioButton>(name, Panel1);
}

void TForm1::setUpControls() {
    setCaption("请选择行文格式：");
    setBounds(0, 0, 458, 357);
    fixedCentredWindow(*this);
    placeControls(*this, Layout);
    placeControls(*this, HiddenLayout);
    for (ui::RadioButton* hidden :
         {&RadioButton15, &RadioButton16, &RadioButton17, &RadioButton18, &RadioButton19, &RadioButton20})
        hidden->setVisible(false);
    Panel1.setBevel(ui::Bevel::Lowered);
    Image1.setPicture(bannerPicture());
    Image1.setCursor(ui::Cursor::HandPoint);
    Button1.setDefault(true);
}

void TForm1::FormCreate() {
    initialiseProcessPaths();
}

void TForm1::Button1Click() {
    paths().TemplateVariant = 0;
    // Read on every press, so that a profile changed in the settings window counts at once.
    const ini::IniFile settings(paths().IniPath);
    const AuthorityProfile profile =
        readAuthorityProfile(settings, currentProfileName(settings, ""), ProfileDefaults::outputProcedure());
    for (const ChooserChoice& choice : chooserChoices()) {
        const auto* button = dynamic_cast<const ui::RadioButton*>(findComponent(choice.radio));
        if (!button || !button->checked())
            continue;
        paths().TemplateVariant = choice.templateVariant;
        if (!choice.form.empty()) {
            if (const DocumentForms& forms = installedDocumentForms(); forms.open)
                forms.open(*this, choice.form);
        } else if (choice.action) {
            choice.action(*this, profile);
        }
        return;
    }
    ui::messageBox("请选择您要输出的文种！", "系统提示", ui::MessageButtons::Ok, ui::MessageIcon::None, this);
}

void TForm1::Button2Click() {
    OpenForm<TForm10>();
}

void TForm1::Image1Click() {
    openOnDesktop(DesktopItem::WebPage, HomePageAddress);
}

void TForm1::OpenBlankTemplate(BlankPage page, const AuthorityProfile& profile) {
    {
        MinimisedWhile minimised(*this);
        openBlankDocument(page, profile, *this);
        // Minimised once more and then restored, the chooser comes back in front.
        setWindowState(ui::WindowState::Minimised);
    }
    reportUnopenedDocuments();
}

} // namespace composer
