// The down-going form on the headless backend: its start-up duties, its small handlers, and the output
// run around the slot map (host choice, template choice, placeholders, serial memory, failures).

#include "composer/forms/TForm2.h"
#include "platform/shell/DesktopOpener.h"
#include "tests/composer/forms/OutputFormFixture.h"

#include <filesystem>

using namespace composer;
using testsupport::TempFolder;

class DownGoingForm : public OutputFormTest {
protected:
    TForm2& open() { return ui::createForm<TForm2>(nullptr); }
};

TEST_F(DownGoingForm, StartsWithTodayAndTheProfilesWordProcessor) {
    TForm2& form = open();
    EXPECT_EQ(form.caption(), "Brevaro      下行（平行）文");
    EXPECT_EQ(form.Button5.caption(), "输出到Word >>");
    EXPECT_EQ(form.ComboBox1.items(), (std::vector<std::string>{"某府", "某办"}));
    EXPECT_EQ(form.Edit1.text(), "2026");
    EXPECT_EQ(form.Edit12.text(), " 2026年12月9日印发");
    EXPECT_FALSE(form.Edit12.visible());
    EXPECT_FALSE(form.Button4.visible());
    EXPECT_EQ(form.ComboBox10.text(), "二○二六年");
    EXPECT_EQ(form.ComboBox10.itemIndex(), 2026 - 2011);
    EXPECT_EQ(form.ComboBox10.items().back(), "二○二七年");
    EXPECT_EQ(form.ComboBox11.text(), "十二月");
    EXPECT_EQ(form.ComboBox12.text(), "九日");

    setting("dqx", "fwjg", "某某市人民政府");
    setting("某某市人民政府", "wwww", "wps");
    EXPECT_EQ(open().Button5.caption(), "输出到Wps >>");
    setting("某某市人民政府", "wwww", "WPS");
    EXPECT_EQ(open().Button5.caption(), "输出到Word >>");
}

TEST_F(DownGoingForm, MissingAbbreviationListIsReportedAndTheDateStillSet) {
    std::filesystem::remove(m_data.file("dqx.ini.jg"));
    TForm2& form = open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Cannot open file"), std::string::npos) << messages[0];
    EXPECT_EQ(form.ComboBox1.items(), (std::vector<std::string>{"设置机关代字..."}));
    EXPECT_EQ(form.Edit12.text(), " 2026年12月9日印发");
    EXPECT_EQ(form.ComboBox12.itemIndex(), 8);
}

TEST_F(DownGoingForm, DigitFilterOnYearSerialAndCopiesHoldsForTypedAndPastedText) {
    TForm2& form = open();
    for (ui::Edit* edit : {&form.Edit1, &form.Edit4, &form.Edit10}) {
        edit->setText("");
        edit->userType("1a2.三3");
        EXPECT_EQ(edit->text(), "12.3");
        edit->selectAll();
        headless->setClipboardText("二○一一年2011");
        user([&] { edit->pasteFromClipboard(); });
        EXPECT_EQ(edit->text(), "2011") << edit->name();
    }
}

TEST_F(DownGoingForm, TabLeavesTheMemosAndTheBodyTakesPastedTextAsItIs) {
    TForm2& form = open();
    for (ui::Memo* memo : {static_cast<ui::Memo*>(&form.Memo2), &form.fj}) {
        memo->userType("甲\t乙");
        EXPECT_EQ(memo->text(), "甲乙") << memo->name() << ": Tab moves the focus on";
    }
    headless->setClipboardText("\t第一段\n第二段");
    user([&] { form.Memo2.pasteFromClipboard(); });
    EXPECT_EQ(form.Memo2.text(), "甲乙\t第一段\r\n第二段");
}

TEST_F(DownGoingForm, HelpAndUpdatePagesGoToTheDesktopOrTheUserLearnsWhereTheyAre) {
    std::vector<std::string> asked;
    bool starts = true;
    shell::setProgramStarter([&](const std::vector<std::string>& argv) {
        asked.push_back(argv.front() + " " + argv.back());
        return starts;
    });
    TForm2& form = open();
    const std::string help = paths().InstallFolder + "/help.html";
    user([&] { form.Button1.click(); });
    EXPECT_EQ(asked, std::vector<std::string>{"xdg-open " + help});
    EXPECT_TRUE(messages.empty());

    starts = false;
    user([&] { form.Button1.click(); });
    user([&] { form.Button3.click(); });
    shell::setProgramStarter({});
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "Test program: 无法启动打开帮助文档的程序，帮助文档位于：\n" + help,
                  "Test program: 无法启动打开网页的程序，网页地址是：\nhttps://brevaro.example.org/update"}));
    EXPECT_EQ(asked.size(), 5u) << "the desktop's handler, then LibreOffice, for each";
}

TEST_F(DownGoingForm, PickingAnAbbreviationSuggestsTheNextSerial) {
    setting("jg", "某府", "12");
    TForm2& form = open();
    user([&] { form.ComboBox1.userPick(0); });
    EXPECT_EQ(form.Edit4.text(), "13");
    user([&] { form.ComboBox1.userPick(1); });
    EXPECT_EQ(form.Edit4.text(), "1");

    setting("jg", "某办", "十二");
    form.Edit4.setText("7");
    user([&] { form.ComboBox1.userPick(1); });
    EXPECT_EQ(form.Edit4.text(), "7");
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("'十二' is not a valid integer value"), std::string::npos)
        << messages.back();
}

TEST_F(DownGoingForm, AttachmentsAreNumberedFromTheSecond) {
    TForm2& form = open();
    headless->queueInputAnswer("  通知.doc ");
    headless->queueInputAnswer("名单.xls");
    headless->queueInputAnswer(std::nullopt);
    for (int i = 0; i < 3; ++i)
        user([&] { form.Button9.click(); });
    EXPECT_EQ(form.fj.text(), "1．通知.doc\r\n2．名单.xls");
}

TEST_F(DownGoingForm, OutputChoosesHostAndTemplateAndFillsPlaceholders) {
    TForm2& form = open();
    form.ComboBox1.setText("某府");
    form.Edit4.setText("12");
    form.ComboBox13.setText("机密");
    form.Memo2.setText("  第一段  \r\n\t第二段");
    user([&] { form.Button5.click(); });
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Word dqx1.dqx"}));
    EXPECT_TRUE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(form.ComboBox13.text(), "机  密");
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段");
    EXPECT_EQ(form.Edit7.text(), "");
    auto contains = [&](const std::string& line) {
        return std::find(host.log.begin(), host.log.end(), line) != host.log.end();
    };
    EXPECT_TRUE(contains("after 9 [此处输入文件标题]"));
    EXPECT_TRUE(contains("before 11 |[此处输入主送机关]："));
    EXPECT_TRUE(contains("before 12 第一段|第二段|"));
    EXPECT_TRUE(contains("after 17 主题词：[此处输入主题词]"));
    EXPECT_TRUE(contains("before 1 机  密"));
    EXPECT_TRUE(contains("shape 3 text 发文机关标识文件"));
    EXPECT_EQ(ini::IniFile(paths().IniPath).readString("jg", "某府", ""), "12");

    // Reopened, the remembered serial comes back one higher.
    TForm2& again = open();
    user([&] { again.ComboBox1.userPick(0); });
    EXPECT_EQ(again.Edit4.text(), "13");
}

TEST_F(DownGoingForm, TheBodyGoesInAsTypedAndOnlyAnEmptyOneTakesThePlaceholder) {
    TForm2& form = open();
    const auto bodyInserted = [&](const std::string& typed) {
        form.Memo2.setText(typed);
        host.log.clear();
        user([&] { form.Button5.click(); });
        for (const std::string& line : host.log)
            if (line.starts_with("before 12 "))
                return line.substr(10);
        return std::string("(none)");
    };
    EXPECT_EQ(bodyInserted(""), "[此处输入正文内容]|");
    EXPECT_EQ(bodyInserted("\r\n\r\n"), "|||") << "line breaks are a body";
    EXPECT_EQ(bodyInserted("第一段\r\n"), "第一段||") << "a final line break stays";
    EXPECT_EQ(bodyInserted("  \r\n"), "||");
    EXPECT_EQ(bodyInserted("   "), "[此处输入正文内容]|") << "blanks are trimmed away first";
}

TEST_F(DownGoingForm, ASerialIsRememberedUnderTheAbbreviationThatTheSuggestionReads) {
    TForm2& form = open();
    form.ComboBox1.setText("某府 ");
    form.Edit4.setText("12");
    user([&] { form.Button5.click(); });
    EXPECT_EQ(ini::IniFile(paths().IniPath).readString("jg", "某府", ""), "12");
    TForm2& again = open();
    again.ComboBox1.setText("某府 ");
    user([&] { again.ComboBox1.OnChange(); });
    EXPECT_EQ(again.Edit4.text(), "13");
    user([&] { again.ComboBox1.userPick(0); });
    EXPECT_EQ(again.Edit4.text(), "13");

    form.ComboBox1.setText("   ");
    form.Edit4.setText("5");
    user([&] { form.Button5.click(); });
    EXPECT_EQ(ini::IniFile(paths().IniPath).readString("jg", "", "(none)"), "(none)") << "blanks name no key";
}

TEST_F(DownGoingForm, WpsTakesItsTemplateByTheCopyToField) {
    setting("dqx", "fwjg", "某某市人民政府");
    setting("某某市人民政府", "wwww", "wps");
    shapes = 5;
    TForm2& form = open();
    user([&] { form.Button5.click(); });
    form.Edit9.setText("市委办公室");
    user([&] { form.Button5.click(); });
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Wps wps1a.dqx", "Wps wps1b.dqx"}));
}

TEST_F(DownGoingForm, DamagedTemplatesEndTheProgramWithoutReleasingTheDocument) {
    paths().TemplateFolder = m_data.path().string();
    TForm2& form = open();
    user([&] { form.Button5.click(); });
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Test program: 文件已损坏！请重新安装程序!");
    EXPECT_TRUE(app->terminated());
    EXPECT_FALSE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
    EXPECT_EQ(host.log.back(), "range 21-25 黑体");
}

TEST_F(DownGoingForm, ConversionErrorsStopTheRunAndAreReported) {
    setting("dqx", "fwjg", "某某市人民政府");
    setting("某某市人民政府", "btsize", "二号");
    TForm2& form = open();
    user([&] { form.Button5.click(); });
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("'二号' is not a valid integer value"), std::string::npos);
    EXPECT_FALSE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
}

TEST_F(DownGoingForm, ASecondPressDuringTheRunStartsNoSecondRun) {
    TForm2& form = open();
    form.Memo2.setText("a\r\nb\r\nc");
    // The trimmer lets messages through; a press waiting among them must not start a run of its own.
    app->post([&] { form.Button5.click(); });
    user([&] { form.Button5.click(); });
    app->processMessages();
    EXPECT_EQ(host.opened.size(), 1u);
}

TEST_F(DownGoingForm, UnwritableSettingsStopTheRunBeforeTheWordProcessor) {
    m_data.write("dqx.ini", "");
    ::chmod(paths().IniPath.c_str(), 0444);
    TForm2& form = open();
    form.ComboBox1.setText("某府");
    form.Edit4.setText("3");
    user([&] { form.Button5.click(); });
    EXPECT_TRUE(host.opened.empty());
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("Unable to write to"), std::string::npos);
}
