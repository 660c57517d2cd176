// The internal telegram on the headless backend: its start-up, the two serials it remembers, the
// department and check box it keeps in the current profile, its editors and pickers, and the output run
// around its slot maps (template per check box, the template's own page, placeholders, failures).

#include "composer/forms/TForm15.h"
#include "composer/forms/TForm4.h"
#include "composer/windows/TForm19.h"
#include "composer/windows/TForm20.h"
#include "composer/windows/TForm21.h"
#include "tests/composer/forms/OutputFormFixture.h"

using namespace composer;
using Items = std::vector<std::string>;

class TelegramForm : public OutputFormTest {
protected:
    TelegramForm() : OutputFormTest({2026, 3, 12}) {
        shapes = 8;
        list(".qf", "张明\r\n李华");
        list(".l", "川机\r\n蓉机");
        list(".r", "号");
        setting("dqx", "fwjg", "某某市人民政府");
        setting("某某市人民政府", "name", "某某市人民政府办公室");
    }
    TForm15& open() { return ui::createForm<TForm15>(nullptr); }
    // Presses the output button, with a fresh record of the word processor.
    void output(TForm15& form) {
        host = {};
        user([&] { form.Button5.click(); });
    }
};

TEST_F(TelegramForm, OpensWithItsListsTodayAndWhatTheProfileRemembers) {
    setting("某某市人民政府", "jybm", "市委机要局");
    setting("某某市人民政府", "ycqt", "1");
    TForm15& form = open();
    EXPECT_EQ(form.caption(), "Brevaro      内部电报（传真）");
    EXPECT_EQ(form.Button5.caption(), "输出到Word >>");
    EXPECT_TRUE(form.Button5.isDefault());
    EXPECT_EQ(form.qfbox.items(), (Items{"张明", "李华"}));
    EXPECT_EQ(form.ComboBox1.items(), (Items{"某府", "某办"}));
    EXPECT_EQ(form.ComboBox2.items(), (Items{"川机", "蓉机"}));
    EXPECT_EQ(form.ComboBox3.items(), (Items{"号"}));
    EXPECT_EQ(form.ComboBox13.items(), (Items{"秘密", "机密", "绝密"}));
    EXPECT_EQ(form.ComboBox15.items(), (Items{"特提", "特急", "加急", "平急"}));
    EXPECT_EQ(form.Edit3.text(), "见报头");
    EXPECT_EQ(form.Edit1.text(), "2026");
    EXPECT_EQ(form.ComboBox10.text(), "二○二六年");
    EXPECT_EQ(form.ComboBox11.text(), "三月");
    EXPECT_EQ(form.ComboBox12.text(), "十二日");
    EXPECT_EQ(form.Edit5.text(), "市委机要局");
    EXPECT_TRUE(form.CheckBox1.checked());
    EXPECT_EQ(form.CheckBox1.caption(), "隐藏红色版头");
    EXPECT_FALSE(form.Button4.visible());
    EXPECT_TRUE(form.Edit15.readOnly());
    EXPECT_TRUE(messages.empty());

    setting("某某市人民政府", "wwww", "wps");
    setting("某某市人民政府", "ycqt", "0");
    TForm15& wps = open();
    EXPECT_EQ(wps.Button5.caption(), "输出到Wps >>");
    EXPECT_FALSE(wps.CheckBox1.checked());
}

TEST_F(TelegramForm, AMissingListIsReportedAndTheRestOfTheStartUpDone) {
    setting("某某市人民政府", "wwww", "wps");
    setting("某某市人民政府", "jybm", "市委机要局");
    std::filesystem::remove(m_data.file("dqx.ini.qf"));
    TForm15& form = open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("dqx.ini.qf"), std::string::npos) << messages[0];
    EXPECT_EQ(form.ComboBox1.items(), (Items{"某府", "某办"}));
    EXPECT_EQ(form.Button5.caption(), "输出到Wps >>");
    EXPECT_EQ(form.Edit5.text(), "市委机要局");
    EXPECT_EQ(form.ComboBox12.itemIndex(), 11);
}

TEST_F(TelegramForm, TheDepartmentAndTheCheckBoxComeBackFromTheProfileTheyWereWrittenTo) {
    TForm15& form = open();
    form.Edit5.setText("市政府办公室机要科");
    user([&] { form.CheckBox1.userClick(); });
    output(form);
    EXPECT_EQ(stored("某某市人民政府", "jybm"), "市政府办公室机要科");
    EXPECT_EQ(stored("某某市人民政府", "ycqt"), "1");
    TForm15& again = open();
    EXPECT_EQ(again.Edit5.text(), "市政府办公室机要科");
    EXPECT_TRUE(again.CheckBox1.checked());
    user([&] { again.CheckBox1.userClick(); });
    output(again);
    EXPECT_EQ(stored("某某市人民政府", "ycqt"), "0");
    EXPECT_FALSE(open().CheckBox1.checked());

    // Without a current profile the closing line names "发文机关"; nothing is written, since no form
    // would find it again, and no section appears that the settings window would list as a profile.
    ini::IniFile(paths().IniPath).deleteKey("dqx", "fwjg");
    TForm15& none = open();
    EXPECT_EQ(none.Edit5.text(), "");
    none.Edit5.setText("县委机要局");
    user([&] { none.CheckBox1.userClick(); });
    output(none);
    EXPECT_TRUE(logged("before 31 发文机关|二○二六年三月十二日"));
    ini::IniFile settings(paths().IniPath);
    EXPECT_FALSE(settings.sectionExists("发文机关"));
    EXPECT_FALSE(settings.sectionExists("发文机关标识"));
    EXPECT_EQ(open().Edit5.text(), "");

    // A section named like the opening's default does not stand in for a missing current profile.
    setting("发文机关标识", "jybm", "旧值");
    EXPECT_EQ(open().Edit5.text(), "");
}

TEST_F(TelegramForm, BothSerialsAreSuggestedAndRememberedEachInItsOwnSeries) {
    setting("jg", "某府", "4");
    setting("left", "川机", "11");
    TForm15& form = open();
    user([&] { form.ComboBox1.userPick(0); });
    EXPECT_EQ(form.Edit4.text(), "5");
    user([&] { form.ComboBox2.userPick(0); });
    EXPECT_EQ(form.Edit2.text(), "12");
    output(form);
    EXPECT_EQ(stored("jg", "某府"), "5");
    EXPECT_EQ(stored("left", "川机"), "12");
    EXPECT_EQ(stored("jg", "川机"), "(none)");
    EXPECT_TRUE(logged("before 17 5"));
    EXPECT_TRUE(logged("after 20 12"));

    // Only whole numbers are remembered, each serial on its own.
    for (auto [telegram, sending] : {std::pair{"6a", "13"}, {"", "13.5"}, {"7", ""}}) {
        form.Edit4.setText(telegram);
        form.Edit2.setText(sending);
        output(form);
    }
    EXPECT_EQ(stored("jg", "某府"), "7");
    EXPECT_EQ(stored("left", "川机"), "13");

    // The minutes continue the sending number's series under the same left part.
    list(".l", "川机");
    TForm4& minutes = ui::createForm<TForm4>(nullptr);
    user([&] { minutes.ComboBox1.userPick(0); });
    EXPECT_EQ(minutes.Edit1.text(), "14");
}

TEST_F(TelegramForm, AStoredSerialThatIsNoNumberIsReportedForTheTelegramNumberOnly) {
    setting("jg", "某府", "四");
    setting("left", "川机", "十一");
    TForm15& form = open();
    form.Edit4.setText("9");
    form.Edit2.setText("9");
    user([&] { form.ComboBox1.userPick(0); });
    user([&] { form.ComboBox2.userPick(0); });
    EXPECT_EQ(form.Edit4.text(), "9");
    EXPECT_EQ(form.Edit2.text(), "9");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("'四' is not a valid integer value"), std::string::npos) << messages[0];
}

TEST_F(TelegramForm, TheLevelGoesInAsItStandsAndTheFieldsTakeTheTelegramsPlaceholders) {
    TForm15& form = open();
    form.ComboBox13.setText("秘密");
    form.Edit3.setText("");
    output(form);
    EXPECT_EQ(form.ComboBox13.text(), "秘密") << "no secrecy mark widens it";
    EXPECT_TRUE(logged("after 12 秘密"));
    EXPECT_TRUE(logged("after 11 密级"));
    EXPECT_TRUE(logged("after 5 [此处输入发往单位]"));
    EXPECT_TRUE(logged("before 27 [此处输入标题]"));
    EXPECT_TRUE(logged("before 29 [此处输入主送机关]："));
    EXPECT_TRUE(logged("before 30 [此处输入正文内容]|||"));
    std::size_t placeholders = 0;
    for (const std::string& line : host.log)
        placeholders += line.find("[此处") != std::string::npos;
    EXPECT_EQ(placeholders, 4u) << "the signer and the serials have none";
    EXPECT_EQ(form.Edit3.text(), "") << "the placeholder goes into the document only";
}

TEST_F(TelegramForm, TheCheckBoxChoosesTheTemplateInBothHostsAndThePageIsTheTemplates) {
    TForm15& form = open();
    form.Memo2.setText("  第一段  \r\n第二段");
    output(form);
    EXPECT_EQ(host.opened, (Items{"Word dqx9b.dqx"}));
    EXPECT_TRUE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段") << "the body is trimmed";
    ASSERT_EQ(host.layouts.size(), 1u);
    EXPECT_FALSE(host.layouts[0].margins);
    EXPECT_FALSE(host.layouts[0].charsLine);
    EXPECT_TRUE(host.layouts[0].bodyStyle);
    EXPECT_TRUE(host.layouts[0].tableGridlinesOff);

    user([&] { form.CheckBox1.userClick(); });
    output(form);
    EXPECT_EQ(host.opened, (Items{"Word dqx9.dqx"}));
    EXPECT_TRUE(logged("shape 8 name DB3"));
    setting("某某市人民政府", "wwww", "wps");
    TForm15& wps = open();
    EXPECT_TRUE(wps.CheckBox1.checked());
    output(wps);
    EXPECT_EQ(host.opened, (Items{"Wps dqx9.dqx"}));
    EXPECT_TRUE(logged("shape 8 name DB2"));
}

TEST_F(TelegramForm, WordFailuresAreShownAndLetGoWhileWpsFailuresGoToTheDefaultDialog) {
    TForm15& word = open();
    host.failure = "无法打开模板";
    user([&] { word.Button5.click(); });
    setting("某某市人民政府", "wwww", "wps");
    TForm15& wps = open();
    user([&] { wps.Button5.click(); });
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Test program: 无法打开模板", "Test program: 无法打开模板."}));
    EXPECT_EQ(word.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(wps.windowState(), ui::WindowState::Normal);
}

TEST_F(TelegramForm, TheEditorsReloadTheirCombosOnOkOnly) {
    TForm15& form = open();
    then([](ui::Form& editor) {
        auto& signers = dynamic_cast<TForm20&>(editor);
        EXPECT_EQ(signers.Memo1.text(), "张明\r\n李华");
        signers.Memo1.userSetText("王强");
        signers.pressDefaultButton();
    });
    user([&] { form.Button8.click(); });
    EXPECT_EQ(form.qfbox.items(), (Items{"王强"}));
    then([](ui::Form& editor) {
        dynamic_cast<TForm20&>(editor).Memo1.userSetText("丢弃");
        editor.close();
    });
    user([&] { form.Button8.click(); });
    EXPECT_EQ(form.qfbox.items(), (Items{"王强"}));

    // Both buttons of the sending number open the number-part editor.
    for (ui::Button* button : {&form.Button2, &form.Button7}) {
        then([](ui::Form& editor) {
            auto& lists = dynamic_cast<TForm19&>(editor);
            lists.Memo1.userSetText(lists.Memo1.text() + "\n渝机");
            lists.pressDefaultButton();
        });
        user([&] { button->click(); });
    }
    EXPECT_EQ(form.ComboBox2.items(), (Items{"川机", "蓉机", "渝机", "渝机"}));
    EXPECT_EQ(form.ComboBox3.items(), (Items{"号"}));
}

TEST_F(TelegramForm, ThePickersFillMainRecipientsAndCopyTo) {
    list(".fs", "市财政局");
    TForm15& form = open();
    auto pick = [&](ui::Button& button, const char* caption, const char* result) {
        then([=](ui::Form& picker) {
            EXPECT_EQ(picker.caption(), caption);
            dynamic_cast<TForm21&>(picker).Memo1.setText(result);
            picker.pressDefaultButton();
        });
        user([&] { button.click(); });
    };
    pick(form.Button10, "选择主送单位", "各区县人民政府");
    pick(form.Button9, "选择抄送单位", "市委办公室");
    EXPECT_EQ(form.Edit11.text(), "各区县人民政府");
    EXPECT_EQ(form.Edit9.text(), "市委办公室");
}

TEST_F(TelegramForm, OnlyTheTelegramNumbersYearAndSerialFilterKeys) {
    TForm15& form = open();
    form.Edit1.setText("");
    for (ui::Edit* edit : {&form.Edit1, &form.Edit4, &form.Edit2})
        edit->userType("1a2");
    EXPECT_EQ(form.Edit1.text(), "12");
    EXPECT_EQ(form.Edit4.text(), "12");
    EXPECT_EQ(form.Edit2.text(), "1a2");
}
