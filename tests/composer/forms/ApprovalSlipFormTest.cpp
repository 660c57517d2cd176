// The dispatch approval slip on the headless backend: its start-up, the year timer, the drafting unit it
// remembers, and its output run (no serial memory, no placeholders, the Word copy's own error report).

#include "composer/forms/TForm14.h"
#include "composer/windows/DocumentForms.h"
#include "platform/ui/Timer.h"
#include "tests/composer/forms/OutputFormFixture.h"

using namespace composer;

class ApprovalSlipForm : public OutputFormTest {
protected:
    ApprovalSlipForm() {
        setting("dqx", "fwjg", "某某市人民政府");
        setting("某某市人民政府", "ygdw", "秘书科");
    }
    TForm14& open() { return ui::createForm<TForm14>(nullptr); }
    void output(TForm14& form) {
        user([&] { form.Button5.click(); });
    }
};

TEST_F(ApprovalSlipForm, OpensWithTheRememberedUnitAndNoYear) {
    TForm14& form = open();
    EXPECT_EQ(form.caption(), "Brevaro     发文审批笺");
    EXPECT_EQ(form.bounds().width, 569);
    EXPECT_EQ(form.bounds().height, 492);
    EXPECT_EQ(form.Button5.caption(), "输出到Word >>");
    EXPECT_EQ(form.ComboBox1.items(), (std::vector<std::string>{"某府", "某办"}));
    EXPECT_EQ(form.Edit13.text(), "秘书科");
    EXPECT_EQ(form.Edit1.text(), "") << "the year is the timer's";
    EXPECT_EQ(form.Timer1.interval(), 1000);
    EXPECT_FALSE(form.Button4.visible());

    setting("某某市人民政府", "wwww", "wps");
    EXPECT_EQ(open().Button5.caption(), "输出到Wps >>");
}

TEST_F(ApprovalSlipForm, AMissingAbbreviationListLeavesTheRestOfTheStartUpDone) {
    std::filesystem::remove(m_data.file("dqx.ini.jg"));
    setting("某某市人民政府", "wwww", "wps");
    TForm14& form = open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Cannot open file"), std::string::npos) << messages[0];
    EXPECT_EQ(form.Button5.caption(), "输出到Wps >>") << "the output must go to the profile's word processor";
    EXPECT_EQ(form.Edit13.text(), "秘书科");
}

TEST_F(ApprovalSlipForm, TheTimerWritesTheYearWhileTheFormIsShownAndStopsWithIt) {
    TForm14& form = open();
    then([&](ui::Form&) {
        EXPECT_TRUE(form.Timer1.enabled());
        user([&] { form.Timer1.tick(); });
        EXPECT_EQ(form.Edit1.text(), "2026");
        form.Edit1.setText("1999");
        user([&] { form.Timer1.tick(); });
        EXPECT_EQ(form.Edit1.text(), "2026") << "a typed year gives way at the next tick";
        form.close();
    });
    form.showModal();
    EXPECT_FALSE(form.Timer1.enabled()) << "a closed form keeps no timer running";
}

TEST_F(ApprovalSlipForm, TheDraftingUnitIsRememberedInTheCurrentProfileOnly) {
    TForm14& form = open();
    form.Edit13.setText("综合科");
    output(form);
    EXPECT_EQ(stored("某某市人民政府", "ygdw"), "综合科");
    EXPECT_EQ(open().Edit13.text(), "综合科");

    // A current profile whose section is gone, and no current profile at all: nothing is written, so no
    // section appears that the settings window would list as a profile.
    for (const char* current : {"已删除的配置", ""}) {
        if (*current)
            setting("dqx", "fwjg", current);
        else
            ini::IniFile(paths().IniPath).deleteKey("dqx", "fwjg");
        TForm14& other = open();
        other.Edit13.setText("办公室");
        output(other);
        EXPECT_EQ(host.opened.size(), current[0] ? 2u : 3u) << "the document is still made";
    }
    ini::IniFile settings(paths().IniPath);
    EXPECT_FALSE(settings.sectionExists("已删除的配置"));
    EXPECT_FALSE(settings.sectionExists("发文机关标识"));
    EXPECT_TRUE(logged("cell 1,1,1 text 发文机关标识发文审批笺"));
}

TEST_F(ApprovalSlipForm, TheSerialIsShownButNotTakenAndAnEmptyOneIsTwoBlanks) {
    setting("jg", "某府", "12");
    TForm14& form = open();
    user([&] { form.ComboBox1.userPick(0); });
    EXPECT_EQ(form.Edit4.text(), "13");
    output(form);
    EXPECT_EQ(stored("jg", "某府"), "12");

    form.Edit1.setText("2026");
    form.Edit4.setText("");
    output(form);
    EXPECT_EQ(form.Edit4.text(), "  ");
    EXPECT_TRUE(logged("before 4 某府〔2026〕  号"));
}

TEST_F(ApprovalSlipForm, EmptyFieldsStayEmptyAndTheTemplateIsTheSameForBothHosts) {
    TForm14& form = open();
    form.Memo2.setText("  第一段  \r\n第二段");
    output(form);
    setting("某某市人民政府", "wwww", "wps");
    output(open());
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Word dqx8.dqx", "Wps dqx8.dqx"}));
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段") << "the body is trimmed";
    for (const std::string& line : host.log)
        EXPECT_EQ(line.find("[此处"), std::string::npos) << line;
    ASSERT_EQ(host.layouts.size(), 2u);
    EXPECT_FALSE(host.layouts[0].charsLine);
    EXPECT_TRUE(host.layouts[0].margins);
    EXPECT_TRUE(host.layouts[0].bodyStyle);
}

TEST_F(ApprovalSlipForm, WordFailuresAreShownAndLetGoWhileWpsFailuresGoToTheDefaultDialog) {
    host.failure = "无法打开模板";
    TForm14& word = open();
    output(word);
    setting("某某市人民政府", "wwww", "wps");
    TForm14& wps = open();
    output(wps);
    // The Word copy shows a plain message box and minimises the form as after an output; the WPS copy
    // leaves the error to the default dialog (which adds its full stop) and the form as it was.
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Test program: 无法打开模板", "Test program: 无法打开模板."}));
    EXPECT_EQ(word.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(wps.windowState(), ui::WindowState::Normal);
}
