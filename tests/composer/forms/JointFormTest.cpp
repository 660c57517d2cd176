// The joint forms on the headless backend: their windows, their start-up duties when the abbreviation
// list is missing, the chooser's choices that open them, the template each run takes, and how each host's
// copy meets a failure.

#include "composer/forms/DocumentFormCatalog.h"
#include "composer/forms/TForm3.h"
#include "composer/forms/TForm9.h"
#include "composer/windows/TForm1.h"
#include "platform/ui/Dialogs.h"
#include "tests/composer/forms/OutputFormFixture.h"
#include "tests/support/TempFolder.h"

using namespace composer;
using testsupport::TempFolder;

class JointForm : public OutputFormTest {
protected:
    JointForm() { setting("dqx", "fwjg", "某某市人民政府"); }
    // Both forms, one after the other, for what they share.
    template <class Check> void forBoth(Check check) {
        check(ui::createForm<TForm3>(nullptr));
        check(ui::createForm<TForm9>(nullptr));
    }
};

TEST_F(JointForm, WindowsOfTwoAndOfThreeOrMoreAuthorities) {
    TForm3& two = ui::createForm<TForm3>(nullptr);
    EXPECT_EQ(two.caption(), "Brevaro     下行、平行文（2个公章）");
    EXPECT_EQ(two.findComponent("Edit15"), &two.Edit15);
    TForm9& three = ui::createForm<TForm9>(nullptr);
    EXPECT_EQ(three.caption(), "Brevaro   下行、平行文（2个以上公章）");
    // Its import path edit has a name of its own, in the same place and read-only.
    EXPECT_EQ(three.findComponent("Edit6"), &three.Edit6);
    EXPECT_EQ(three.findComponent("Edit15"), nullptr);
    EXPECT_TRUE(three.Edit6.readOnly());
    EXPECT_EQ(three.Edit6.bounds(), two.Edit15.bounds());
    EXPECT_EQ(three.fields().importPath, &three.Edit6);
    forBoth([](FieldLayoutA& form) {
        EXPECT_EQ(form.Button5.caption(), "输出到Word >>");
        EXPECT_EQ(form.Edit12.text(), " 2026年12月9日印发");
    });
}

// A missing list used to end the start-up duties before the output button's caption was set: a WPS
// profile then made its documents in Word, and the dates stayed empty.
TEST_F(JointForm, AMissingAbbreviationListIsReportedAndTheOtherDutiesAreDone) {
    std::filesystem::remove(m_data.file("dqx.ini.jg"));
    setting("某某市人民政府", "wwww", "wps");
    forBoth([](FieldLayoutA& form) {
        EXPECT_EQ(form.Button5.caption(), "输出到Wps >>");
        EXPECT_EQ(form.ComboBox1.items(), (std::vector<std::string>{"设置机关代字..."}));
        EXPECT_EQ(form.Edit1.text(), "2026");
        EXPECT_EQ(form.Edit12.text(), " 2026年12月9日印发");
        EXPECT_EQ(form.ComboBox10.text(), "二○二六年");
        EXPECT_EQ(form.ComboBox12.text(), "九日");
    });
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("Cannot open file"), std::string::npos) << messages[0];
}

TEST_F(JointForm, TheChoosersJointChoicesOpenTheseForms) {
    expectChoicesOpen({{"RadioButton2", "TForm3"}, {"RadioButton3", "TForm9"}});
}

TEST_F(JointForm, EachRunTakesItsHostsTemplate) {
    forBoth([&](FieldLayoutA& form) {
        user([&] { form.Button5.click(); });
        form.Edit9.setText("市委办公室");
        user([&] { form.Button5.click(); });
    });
    setting("某某市人民政府", "wwww", "wps");
    forBoth([&](FieldLayoutA& form) {
        user([&] { form.Button5.click(); });
        form.Edit9.setText("市委办公室");
        user([&] { form.Button5.click(); });
    });
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Word dqx12.dqx", "Word dqx12.dqx", "Word dqx13.dqx",
                                                     "Word dqx13.dqx", "Wps dqx12.dqx", "Wps dqx12b.dqx",
                                                     "Wps dqx13.dqx", "Wps dqx13b.dqx"}));
}

// The Word copy reports a failure itself, lets go of the word processor and minimises the form, as after
// a run; the document stays half made.
TEST_F(JointForm, TheWordCopyShowsAFailureAndMinimisesTheForm) {
    host.failure = "无法打开模板 dqx12.dqx";
    TForm3& form = ui::createForm<TForm3>(nullptr);
    user([&] { form.Button5.click(); });
    ASSERT_EQ(headless->lastMessage().has_value(), true);
    EXPECT_EQ(headless->lastMessage()->request.text, "无法打开模板 dqx12.dqx");
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::None);
    EXPECT_TRUE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);

    // A size that is not a whole number fails half way, after the printing block.
    host = {};
    setting("某某市人民政府", "btsize", "二号");
    TForm9& three = ui::createForm<TForm9>(nullptr);
    user([&] { three.Button5.click(); });
    EXPECT_NE(messages.back().find("'二号' is not a valid integer value"), std::string::npos)
        << messages.back();
    EXPECT_TRUE(host.released);
    EXPECT_EQ(three.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(host.log.back(), "before 17 [此处输入文件标题]");
}

// The WPS copy has no report of its own: the failure reaches the program's report and the form stays.
TEST_F(JointForm, TheWpsCopyLetsAFailureThrough) {
    setting("某某市人民政府", "wwww", "wps");
    setting("某某市人民政府", "btsize", "二号");
    forBoth([&](FieldLayoutA& form) {
        host = {};
        user([&] { form.Button5.click(); });
        EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Error);
        EXPECT_NE(messages.back().find("'二号' is not a valid integer value"), std::string::npos);
        EXPECT_FALSE(host.released);
        EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
    });
}

TEST_F(JointForm, ADamagedTemplateSetStillEndsTheProgram) {
    paths().TemplateFolder = m_data.path().string();
    TForm3& form = ui::createForm<TForm3>(nullptr);
    user([&] { form.Button5.click(); });
    EXPECT_EQ(messages.back(), "Test program: 文件已损坏！请重新安装程序!");
    EXPECT_TRUE(app->terminated());
    EXPECT_FALSE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
}
