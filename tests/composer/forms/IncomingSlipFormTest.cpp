// The incoming-document slip on the headless backend: its start-up with Arabic date lists, its output run
// (serial memory, no placeholders, the template's own page layout).

#include "composer/forms/TForm16.h"
#include "tests/composer/forms/OutputFormFixture.h"

using namespace composer;

class IncomingSlipForm : public OutputFormTest {
protected:
    IncomingSlipForm() : OutputFormTest({2026, 3, 15}) {}
    TForm16& open() { return ui::createForm<TForm16>(nullptr); }
    void output(TForm16& form) {
        user([&] { form.Button5.click(); });
    }
};

TEST_F(IncomingSlipForm, OpensWithTodayInArabicDigits) {
    TForm16& form = open();
    EXPECT_EQ(form.caption(), "Brevaro      收文处理");
    EXPECT_EQ(form.bounds().width, 571);
    EXPECT_EQ(form.bounds().height, 337);
    EXPECT_EQ(form.Button5.caption(), "输出到Word >>");
    EXPECT_EQ(form.ComboBox1.items(), (std::vector<std::string>{"某府", "某办"}));
    EXPECT_EQ(form.Edit1.text(), "2026");
    EXPECT_EQ(form.Edit2.text(), "2026");
    EXPECT_EQ(form.ComboBox10.items().front(), "2011年");
    EXPECT_EQ(form.ComboBox10.items().back(), "2027年") << "through the year after this one";
    EXPECT_EQ(form.ComboBox10.text(), "2026年");
    EXPECT_EQ(form.ComboBox11.items().size(), 12u);
    EXPECT_EQ(form.ComboBox11.text(), "3月");
    EXPECT_EQ(form.ComboBox12.items().back(), "31日");
    EXPECT_EQ(form.ComboBox12.text(), "15日");
}

TEST_F(IncomingSlipForm, TheOutputFillsTheBookmarksAsTheFieldsStand) {
    TForm16& form = open();
    form.ComboBox1.setText("某办");
    form.Edit4.setText("8");
    form.ComboBox13.setText("机密");
    form.ComboBox14.setText("十年");
    form.ComboBox15.setText("急  件");
    form.Edit11.setText("某某省发展和改革委员会");
    form.Edit5.setText("某发改");
    form.Edit3.setText("35");
    form.Edit7.setText("关于申报专项资金的通知");
    form.Memo2.setText("  拟请产业科办理。\r\n请领导阅示。");
    output(form);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Word dqxsw.dqx"}));
    EXPECT_EQ(host.log, (std::vector<std::string>{
                            "bookmark zbh text 某办〔2026〕8号",
                            "bookmark swrq text 2026年3月15日",
                            "bookmark lwdw text 某某省发展和改革委员会",
                            "bookmark lwzh text 某发改〔2026〕35号",
                            "bookmark wjbt text 关于申报专项资金的通知",
                            "bookmark ybyj text   拟请产业科办理。|请领导阅示。",
                            "bookmark jm text 机密★十年",
                            "bookmark hj text 急  件",
                            "bookmark fwjg font scaling=90",
                            "bookmark fwjg align 1",
                            "bookmark fwjg text 发文机关公文处理笺",
                        }));
    EXPECT_TRUE(host.released);
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    EXPECT_EQ(stored("jg", "某办"), "8");

    // A second output makes a second document from the same fields.
    output(form);
    EXPECT_EQ(host.opened.size(), 2u);
    EXPECT_EQ(host.log[0], "bookmark zbh text 某办〔2026〕8号");
}

TEST_F(IncomingSlipForm, TheMarksFollowTheLevelAndAnEmptyAbbreviationIsNotRemembered) {
    TForm16& form = open();
    form.ComboBox14.setText("十年");
    output(form);
    EXPECT_TRUE(logged("bookmark jm text ")) << "a period without a level makes no mark";
    EXPECT_TRUE(logged("bookmark zbh text 〔2026〕号"));
    EXPECT_FALSE(ini::IniFile(paths().IniPath).sectionExists("jg"));

    form.ComboBox13.setText("机密");
    form.ComboBox14.setText("");
    output(form);
    EXPECT_TRUE(logged("bookmark jm text 机  密"));
    EXPECT_EQ(form.ComboBox13.text(), "机  密");
}

TEST_F(IncomingSlipForm, TheTitleIsTheProfilesAndKeepsTheTemplatesPage) {
    setting("dqx", "fwjg", "中共某市委5G产业园区工作委员会");
    setting("中共某市委5G产业园区工作委员会", "wwww", "wps");
    TForm16& form = open();
    EXPECT_EQ(form.Button5.caption(), "输出到Wps >>");
    output(form);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"Wps dqxsw.dqx"}));
    EXPECT_TRUE(logged("bookmark fwjg font scaling=66"));
    EXPECT_TRUE(logged("bookmark fwjg text 中共某市委5G产业园区工作委员会公文处理笺"));
    ASSERT_EQ(host.layouts.size(), 1u);
    const PageLayoutSteps& layout = host.layouts[0];
    EXPECT_TRUE(layout.spellingCheckOff && layout.spellingCheckOffInWps && layout.tableGridlinesOff);
    EXPECT_FALSE(layout.grammarCheckOff || layout.margins || layout.bodyStyle || layout.charsLine);
}
