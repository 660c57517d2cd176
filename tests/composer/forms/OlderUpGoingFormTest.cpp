// The older up-going form (TForm17) on the headless backend: its window per variant, its start-up from
// the installation's settings file and today's date, the year list that runs through next year, the runs
// of its output with the templates of the installation folder (and none for an installation set to
// WPS, which is told so), its typed fields, a Word that cannot be started, and the chooser's hidden
// choices that open it.

#include "composer/forms/TForm17.h"
#include "composer/windows/TForm1.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/ui/Dialogs.h"
#include "tests/composer/forms/OutputFormFixture.h"

#include <filesystem>

using namespace composer;

namespace {

using Items = std::vector<std::string>;

const char* const WordOnly =
    "Test program: 专用模板只能输出到Word，不能输出到Wps！请将安装文件夹中dqx.ini的wwww改为word。";

class OlderUpGoingForm : public OutputFormTest {
protected:
    OlderUpGoingForm() {
        paths().InstallFolder = m_install.path().string();
        installation("wwww", "word");
        installation("name", "某某分公司办公室");
        // The user's own profile, which this form does not read: party style and WPS.
        setting("dqx", "fwjg", "某某市人民政府");
        setting("某某市人民政府", "xz", "0");
        setting("某某市人民政府", "wwww", "wps");
    }
    ~OlderUpGoingForm() override {
        paths().InstallFolder = m_installFolder;
        paths().TemplateVariant = 0;
    }
    // A key of the installation's settings file.
    void installation(const char* key, const char* value) {
        ini::IniFile(m_install.file("dqx.ini")).writeString("dqx", key, value);
    }
    TForm17& open(int variant) {
        paths().TemplateVariant = variant;
        return ui::createForm<TForm17>(nullptr);
    }
    void output(TForm17& form) {
        user([&] { form.BtnInsertRecord.click(); });
    }
    // The lines of the recorded run that start with the prefix.
    std::vector<std::string> logged(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : host.log) {
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        }
        return found;
    }

    std::string m_installFolder = paths().InstallFolder;
    testsupport::TempFolder m_install;
};

} // namespace

TEST_F(OlderUpGoingForm, EachVariantHasItsCaptionAndTheWindowItsComponents) {
    EXPECT_EQ(open(1).caption(), "Brevaro      分公司上行文");
    EXPECT_EQ(open(2).caption(), "Brevaro      党委上行文");
    EXPECT_EQ(open(3).caption(), "Brevaro      工会上行文");
    TForm17& form = open(0);
    EXPECT_EQ(form.caption(), "Brevaro      上行文");

    EXPECT_EQ(form.position(), ui::FormPosition::Designed);
    EXPECT_TRUE(form.borderIcons().maximise);
    EXPECT_TRUE(form.borderIcons().minimise);
    EXPECT_EQ(form.Button2.caption(), "帮助");
    EXPECT_EQ(form.Button4.caption(), "访问Pellory软件站");
    EXPECT_FALSE(form.Edit16.visible());
    EXPECT_TRUE(form.Edit16.readOnly());
    const std::pair<ui::GroupBox*, const char*> frames[] = {{&form.GroupBox1, "发文字号"},
                                                            {&form.GroupBox2, "签发人"},
                                                            {&form.GroupBox4, "成文日期（签发日期）"},
                                                            {&form.GroupBox5, "公文标题"},
                                                            {&form.GroupBox6, "主送单位"},
                                                            {&form.GroupBox7, "正文"},
                                                            {&form.GroupBox8, "附件："},
                                                            {&form.GroupBox9, "附注："},
                                                            {&form.GroupBox10, "主题词"},
                                                            {&form.GroupBox11, "抄送单位"},
                                                            {&form.GroupBox12, "印发份数"}};
    for (const auto& [frame, caption] : frames)
        EXPECT_EQ(frame->caption(), caption) << frame->name();
    EXPECT_EQ(form.Edit1.parent(), &form.GroupBox8);
    EXPECT_EQ(form.Edit4.parent(), &form.GroupBox8);
    EXPECT_EQ(form.ComboBox4.items(), (Items{"秘密", "机密", "绝密"}));
    EXPECT_EQ(form.ComboBox6.items(), (Items{"急  件", "特  急"}));
    // No key filters: the number fields take what is typed.
    form.Edit3.userType("7a");
    EXPECT_EQ(form.Edit3.text(), "7a");
}

// The year list used to stop at 2010, so that no later year was ever selected; it now runs from 2003
// through next year, and today's date is always in the combos.
TEST_F(OlderUpGoingForm, StartsWithTodayFromAYearListThatRunsThroughNextYear) {
    sysclock::fixToday({2026, 12, 31});
    TForm17& form = open(1);
    Items years = form.ComboBox1.items();
    ASSERT_EQ(years.size(), 25u);
    EXPECT_EQ(years.front(), "二○○三年");
    EXPECT_EQ(years.back(), "二○二七年");
    EXPECT_EQ(form.ComboBox1.text(), "二○二六年");
    EXPECT_EQ(form.ComboBox2.text(), "十二月");
    EXPECT_EQ(form.ComboBox3.text(), "三十一日");
    EXPECT_EQ(form.Edit2.text(), "2026");
    EXPECT_EQ(form.Edit16.text(), "2026年12月31日印发");

    sysclock::fixToday({2003, 1, 5});
    TForm17& early = open(1);
    EXPECT_EQ(early.ComboBox1.text(), "二○○三年");
    EXPECT_EQ(early.ComboBox1.items().back(), "二○○四年");
    EXPECT_EQ(early.Edit16.text(), "  2003年1月5日印发");
}

// The installation's settings file chooses the word processor; the user's profile (here WPS) does not.
TEST_F(OlderUpGoingForm, TheInstallationsSettingsChooseTheWordProcessor) {
    EXPECT_EQ(open(1).BtnInsertRecord.caption(), "输出到Word");
    installation("wwww", "WPS");
    EXPECT_EQ(open(1).BtnInsertRecord.caption(), "输出到Word") << "only \"wps\" exactly selects WPS";
    installation("wwww", "wps");
    EXPECT_EQ(open(1).BtnInsertRecord.caption(), "输出到Wps");
    std::filesystem::remove(m_install.file("dqx.ini"));
    EXPECT_EQ(open(1).BtnInsertRecord.caption(), "输出到Word");
}

// With WPS the form used to do nothing and say nothing. It is still a form for Word only, and says so: no
// word processor is asked for a document, and nothing of the form changes.
TEST_F(OlderUpGoingForm, AnInstallationSetToWpsIsToldThatTheTemplatesAreForWordOnly) {
    installation("wwww", "wps");
    TForm17& form = open(2);
    form.ComboBox4.setText("机密");
    output(form);
    EXPECT_EQ(messages, std::vector<std::string>{WordOnly});
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Warning);
    EXPECT_EQ(headless->lastMessage()->request.owner, &form);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(form.ComboBox4.text(), "机密") << "not widened: no run took place";
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
}

// Each variant's template comes from the installation folder, in Word; the form keeps the template's
// page, names the word processor's window, and writes nothing into the user's settings.
TEST_F(OlderUpGoingForm, EachVariantOpensItsTemplateFromTheInstallationFolder) {
    const std::string before = m_data.read("dqx.ini");
    for (int variant : {1, 2, 3}) {
        TForm17& form = open(variant);
        form.Edit8.setText("某分司");
        form.Edit3.setText("7");
        output(form);
        EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    }
    EXPECT_EQ(host.opened, (Items{"Word dqx2a.dot", "Word dqx2b.dot", "Word dqx2c.dot"}));
    EXPECT_EQ(host.templateFiles.front(), m_install.file("dqx2a.dot"));
    ASSERT_EQ(host.layouts.size(), 3u);
    EXPECT_STREQ(host.layouts[0].applicationCaption, "Brevaro");
    EXPECT_FALSE(host.layouts[0].margins);
    EXPECT_EQ(m_data.read("dqx.ini"), before) << "no serial and no profile value is written";
    EXPECT_TRUE(messages.empty());
}

// The printing office is the installation's, its line always 32 bytes and never condensed; a long name
// is cut without splitting a character; a missing file gives "印发机关".
TEST_F(OlderUpGoingForm, ThePrintingLineIsTheInstallationsNameCutTo32Bytes) {
    const std::string date = " 2026年12月9日印发";
    installation("name", "某某集团有限责任公司某某分公司办公室"); // 36 bytes
    output(open(1));
    EXPECT_EQ(logged("before 29"), Items{"before 29 某某集团有限责任公司某某分公司办" + date});
    EXPECT_TRUE(logged("font 29").empty()) << "never condensed";

    installation("name", "A市某某集团有限责任公司党委办公室"); // 33 bytes: byte 32 is half a character
    output(open(1));
    EXPECT_EQ(logged("before 29"), Items{"before 29 A市某某集团有限责任公司党委办公" + date});

    std::filesystem::remove(m_install.file("dqx.ini"));
    output(open(1));
    EXPECT_EQ(logged("before 29"), Items{"before 29 印发机关" + std::string(24, ' ') + date});
}

// The prefix and the signer are typed; the two attachments have a field each, numbered when both are
// given, and a second one alone counts for nothing. Empty fields go in as they stand.
TEST_F(OlderUpGoingForm, TypedFieldsAndTheTwoAttachmentsGoInAsTheyStand) {
    TForm17& form = open(3);
    form.Edit8.setText("某工发");
    form.Edit3.setText("15");
    form.Edit9.setText("赵强");
    form.Edit1.setText("方案");
    form.Edit4.setText("名单");
    output(form);
    EXPECT_EQ(logged("after 15"), Items{"after 15 某工发〔2026〕15号"});
    EXPECT_EQ(logged("after 16"), Items{"after 16 赵强"});
    EXPECT_EQ(logged("before 23 |    附件"), Items{"before 23 |    附件：1．方案|"});
    EXPECT_EQ(logged("before 23           "), Items{"before 23           2．名单|"});

    form.Edit1.setText("");
    form.Edit9.setText("");
    form.Edit5.setText("");
    output(form);
    EXPECT_TRUE(logged("before 23 |    附件").empty()) << "the second attachment alone";
    EXPECT_TRUE(logged("after 16").empty());
    EXPECT_TRUE(logged("after 19").empty()) << "no placeholder for the title";
    EXPECT_EQ(logged("before 22"), Items{"before 22 ："});
}

TEST_F(OlderUpGoingForm, AWordThatCannotBeStartedIsReportedAndTheFormStays) {
    host.notStarted = true;
    TForm17& form = open(1);
    output(form);
    EXPECT_EQ(messages, std::vector<std::string>{"Test program: 无法启动Word。请检查是否已安装。"});
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Error);
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
    EXPECT_FALSE(host.released);
}

TEST_F(OlderUpGoingForm, HelpAndTheProductsSiteGoToTheDesktop) {
    std::vector<std::string> asked;
    shell::setProgramStarter([&](const std::vector<std::string>& argv) {
        asked.push_back(argv.back());
        return true;
    });
    TForm17& form = open(1);
    user([&] { form.Button2.click(); });
    user([&] { form.Button4.click(); });
    shell::setProgramStarter({});
    EXPECT_EQ(asked, (Items{paths().InstallFolder + "/help.html", "https://brevaro.example.org/update"}));
}

// The hidden choices stay hidden; checked all the same, each opens this form with its variant.
TEST_F(OlderUpGoingForm, TheChoosersHiddenChoicesOpenTheFormWithTheirVariant) {
    installDocumentForms(documentFormCatalog());
    TForm1& chooser = ui::createForm<TForm1>(nullptr);
    const std::pair<ui::RadioButton*, const char*> choices[] = {
        {&chooser.RadioButton16, "Brevaro      分公司上行文"},
        {&chooser.RadioButton19, "Brevaro      党委上行文"},
        {&chooser.RadioButton20, "Brevaro      工会上行文"}};
    for (const auto& [radio, caption] : choices) {
        EXPECT_FALSE(radio->visible()) << radio->name();
        then([&, caption = caption](ui::Form& form) {
            EXPECT_EQ(form.className(), "TForm17");
            EXPECT_EQ(form.caption(), caption);
            EXPECT_EQ(chooser.windowState(), ui::WindowState::Minimised);
            user([&] { form.close(); });
        });
        user([&, radio = radio] { radio->userClick(); });
        user([&] { chooser.Button1.userClick(); });
        EXPECT_FALSE(radio->visible());
    }
    installDocumentForms({});
}
