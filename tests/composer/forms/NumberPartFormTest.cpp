// The meeting-minutes and work-briefing forms on the headless backend: their start-up duties, the
// number-part lists and the serial memory of section "left" that they share, their pickers, and the
// output run around their slot maps (placeholders, failures in each word processor).

#include "composer/forms/TForm11.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm4.h"
#include "composer/windows/TForm19.h"
#include "composer/windows/TForm21.h"
#include "platform/text/Encoding.h"
#include "tests/composer/forms/OutputFormFixture.h"
#include "tests/support/TempFolder.h"

#include <algorithm>

using namespace composer;
using testsupport::TempFolder;
using Items = std::vector<std::string>;

class NumberPartForm : public OutputFormTest {
protected:
    NumberPartForm() : OutputFormTest({2026, 3, 12}) {
        shapes = 8;
        list(".l", "第\r\n内参");
        list(".r", "期\r\n号\r\n");
    }
    void useWps() {
        setting("dqx", "fwjg", "某某市人民政府");
        setting("某某市人民政府", "wwww", "wps");
    }
    template <class Form> Form& open() { return ui::createForm<Form>(nullptr); }
    // Presses the output button, with a fresh record of the word processor.
    template <class Form> void output(Form& form) {
        host = {};
        user([&] { form.Button5.click(); });
    }
};

TEST_F(NumberPartForm, BothFormsStartWithTheirListsTodayAndTheProfilesWordProcessor) {
    TForm4& minutes = open<TForm4>();
    EXPECT_EQ(minutes.caption(), "Brevaro   会议纪要");
    EXPECT_EQ(minutes.GroupBox4.caption(), "  文 号  ");
    EXPECT_EQ(minutes.Button5.caption(), "输出到Word >>");
    EXPECT_EQ(minutes.ComboBox1.items(), (Items{"第", "内参"}));
    EXPECT_EQ(minutes.ComboBox2.items(), (Items{"期", "号"}));
    EXPECT_EQ(minutes.Edit12.text(), " 2026年3月12日印发");
    EXPECT_EQ(minutes.ComboBox10.text(), "二○二六年");
    EXPECT_EQ(minutes.ComboBox11.text(), "三月");
    EXPECT_EQ(minutes.ComboBox12.text(), "十二日");
    EXPECT_FALSE(minutes.Button1.visible());
    EXPECT_FALSE(minutes.Button3.visible());

    useWps();
    TForm11& briefing = open<TForm11>();
    EXPECT_EQ(briefing.caption(), "Brevaro   简报");
    EXPECT_EQ(briefing.GroupBox4.caption(), "  期 号  ");
    EXPECT_EQ(briefing.Button5.caption(), "输出到Wps >>");
    EXPECT_EQ(briefing.ComboBox1.items(), (Items{"第", "内参"}));
    EXPECT_TRUE(briefing.Button1.visible());
    EXPECT_TRUE(briefing.Button3.visible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(NumberPartForm, AMissingListIsReportedAndEveryOtherDutyStillDone) {
    useWps();
    std::filesystem::remove(m_data.file("dqx.ini.l"));
    TForm4& form = open<TForm4>();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("dqx.ini.l"), std::string::npos) << messages[0];
    EXPECT_EQ(form.ComboBox1.items(), (Items{"设置机关代字..."}));
    EXPECT_EQ(form.ComboBox2.items(), (Items{"期", "号"}));
    EXPECT_EQ(form.Button5.caption(), "输出到Wps >>");
    EXPECT_EQ(form.Edit12.text(), " 2026年3月12日印发");
    EXPECT_EQ(form.ComboBox12.itemIndex(), 11);

    std::filesystem::remove(m_data.file("dqx.ini.r"));
    open<TForm11>();
    EXPECT_EQ(messages.size(), 3u);
}

TEST_F(NumberPartForm, ALeftPartSuggestsTheNextSerialOfItsSeriesAndABrokenSeriesSaysNothing) {
    setting("left", "第", "7");
    setting("jg", "内参", "40");
    TForm11& form = open<TForm11>();
    user([&] { form.ComboBox1.userPick(0); });
    EXPECT_EQ(form.Edit1.text(), "8");
    // The abbreviations' series are not the left parts' series.
    user([&] { form.ComboBox1.userPick(1); });
    EXPECT_EQ(form.Edit1.text(), "1");

    setting("left", "内参", "十二");
    form.Edit1.setText("5");
    user([&] { form.ComboBox1.userPick(1); });
    EXPECT_EQ(form.Edit1.text(), "5");
    EXPECT_TRUE(messages.empty()) << messages.front();
}

TEST_F(NumberPartForm, OnlyWholeNumberSerialsAreRememberedAndBothFormsContinueOneSeries) {
    TForm4& minutes = open<TForm4>();
    user([&] { minutes.ComboBox1.userPick(0); });
    minutes.Edit1.setText("8");
    output(minutes);
    EXPECT_EQ(stored("left", "第"), "8");
    EXPECT_EQ(stored("jg", "第"), "(none)");

    for (const char* unsound : {"", "8a", "8.5"}) {
        minutes.Edit1.setText(unsound);
        output(minutes);
        EXPECT_EQ(stored("left", "第"), "8") << unsound;
    }
    // Without a left part nothing is remembered.
    minutes.ComboBox1.setText("");
    minutes.Edit1.setText("30");
    output(minutes);
    EXPECT_EQ(ini::IniFile(paths().IniPath).sectionExists("jg"), false);

    TForm11& briefing = open<TForm11>();
    user([&] { briefing.ComboBox1.userPick(0); });
    EXPECT_EQ(briefing.Edit1.text(), "9");
    output(briefing);
    TForm4& again = open<TForm4>();
    user([&] { again.ComboBox1.userPick(0); });
    EXPECT_EQ(again.Edit1.text(), "10");
}

TEST_F(NumberPartForm, EachFormWritesItsOwnPlaceholders) {
    TForm4& minutes = open<TForm4>();
    output(minutes);
    EXPECT_EQ(host.opened, (Items{"Word dqx4.dqx"}));
    EXPECT_TRUE(host.released);
    EXPECT_EQ(minutes.windowState(), ui::WindowState::Minimised);
    EXPECT_TRUE(logged("before 8 [此处输入文号]"));
    EXPECT_TRUE(logged("before 14 [此处输入正文内容]"));
    EXPECT_TRUE(logged("after 16 主题词：[此处输入主题词]"));
    EXPECT_TRUE(logged("before 18 分送：。"));
    // The minutes' title has no placeholder: no title line is made.
    EXPECT_FALSE(logged("font 14 name=标准公文_小标宋 size=22"));
    EXPECT_EQ(minutes.Edit1.text(), "");

    useWps();
    TForm11& briefing = open<TForm11>();
    briefing.ComboBox1.setText("第");
    briefing.ComboBox2.setText("期");
    output(briefing);
    EXPECT_EQ(host.opened, (Items{"Wps dqx7.dqx"}));
    EXPECT_TRUE(logged("before 6 第[此处输入期号]期"));
    EXPECT_TRUE(logged("before 12 [此处输入标题]"));
}

TEST_F(NumberPartForm, UnitsAndCopyToComeFromTheirFields) {
    TForm4& minutes = open<TForm4>();
    minutes.Memo1.setText("市财政局\r\n市教育局");
    minutes.Edit9.setText("市委办公室");
    minutes.Edit2.setText("会议纪要");
    output(minutes);
    EXPECT_TRUE(logged("before 19 抄送：市委办公室。"));
    EXPECT_TRUE(logged("before 18 分送：市财政局|市教育局。"));
    EXPECT_TRUE(logged("before 13 |会议纪要|"));

    TForm11& briefing = open<TForm11>();
    briefing.Memo1.setText("各乡镇");
    output(briefing);
    EXPECT_TRUE(logged("before 18 发送：各乡镇。"));
}

TEST_F(NumberPartForm, ThePickersFillTheUnitsAndCopyToFieldsInTheirRoles) {
    list(".fs", "市财政局");
    TForm4& minutes = open<TForm4>();
    TForm11& briefing = open<TForm11>();
    auto pick = [&](ui::Button& button, const char* caption, const char* result) {
        then([=](ui::Form& form) {
            auto& picker = dynamic_cast<TForm21&>(form);
            EXPECT_EQ(picker.caption(), caption);
            picker.Memo1.setText(result);
            picker.pressDefaultButton();
        });
        user([&] { button.click(); });
    };
    pick(minutes.Button8, "选择分送单位", "市财政局");
    pick(minutes.Button7, "选择抄送单位", "市委办公室");
    pick(briefing.Button7, "选择发送单位", "各乡镇");
    EXPECT_EQ(minutes.Memo1.text(), "市财政局");
    EXPECT_EQ(minutes.Edit9.text(), "市委办公室");
    EXPECT_EQ(briefing.Memo1.text(), "各乡镇");
}

TEST_F(NumberPartForm, TheNumberPartEditorReloadsBothListsOnOkOnly) {
    TForm4& form = open<TForm4>();
    then([](ui::Form& editor) {
        auto& lists = dynamic_cast<TForm19&>(editor);
        EXPECT_EQ(lists.Memo1.text(), "第\r\n内参");
        lists.Memo1.userSetText("第\n专报");
        lists.Memo2.userSetText("号");
        lists.pressDefaultButton();
    });
    user([&] { form.Button2.click(); });
    EXPECT_EQ(form.ComboBox1.items(), (Items{"第", "专报"}));
    EXPECT_EQ(form.ComboBox2.items(), (Items{"号"}));

    then([](ui::Form& editor) {
        dynamic_cast<TForm19&>(editor).Memo1.userSetText("丢弃");
        editor.close();
    });
    user([&] { form.Button6.click(); });
    EXPECT_EQ(form.ComboBox1.items(), (Items{"第", "专报"}));
}

TEST_F(NumberPartForm, OnlyTheCopiesFieldFiltersKeys) {
    TForm4& form = open<TForm4>();
    form.Edit10.userType("1a2");
    form.Edit1.userType("1a2");
    EXPECT_EQ(form.Edit10.text(), "12");
    EXPECT_EQ(form.Edit1.text(), "1a2");
}

TEST_F(NumberPartForm, AWordFailureIsShownAndTheFormGoesOnWhileAWpsFailureStopsTheRun) {
    setting("dqx", "fwjg", "某某市人民政府");
    setting("某某市人民政府", "btsize", "二号");
    TForm11& word = open<TForm11>();
    output(word);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("'二号' is not a valid integer value"), std::string::npos) << messages[0];
    EXPECT_TRUE(host.released);
    EXPECT_EQ(word.windowState(), ui::WindowState::Minimised);

    // The down-going form has no such guard.
    list(".jg", "某府");
    TForm2& downGoing = open<TForm2>();
    output(downGoing);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(host.released);
    EXPECT_EQ(downGoing.windowState(), ui::WindowState::Normal);

    setting("某某市人民政府", "wwww", "wps");
    TForm4& wps = open<TForm4>();
    wps.Edit2.setText("标题");
    output(wps);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_FALSE(host.released);
    EXPECT_EQ(wps.windowState(), ui::WindowState::Normal);
}
