// The letter (TForm7), the speech (TForm13) and the order (TForm12) on the headless backend: their windows,
// start-up duties and chooser choices, the serials they remember, the speech's copy-to memo and the order's
// placeholders, and the output runs around the slot maps (templates per host, failures).

#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm7.h"
#include "composer/windows/TForm21.h"
#include "tests/composer/forms/OutputFormFixture.h"

using namespace composer;
using Items = std::vector<std::string>;

namespace {

class LettersForm : public OutputFormTest {
protected:
    LettersForm() {
        shapes = 4;
        setting("dqx", "fwjg", "某某市人民政府");
        setting("某某市人民政府", "name", "某某市人民政府办公室");
    }
    // Presses the output button, with a fresh record of the word processor.
    void output(ui::Button& button) {
        host = {};
        user([&] { button.click(); });
    }
};

} // namespace

TEST_F(LettersForm, WindowsOfTheLetterTheSpeechAndTheOrder) {
    TForm7& letter = ui::createForm<TForm7>(nullptr);
    EXPECT_EQ(letter.caption(), "Brevaro   信函式");
    EXPECT_TRUE(letter.fields().signers == SignerCombos{}) << "the letter has no signers";
    for (auto [name, hint] : {std::pair{"Button3", "设置抄送单位"},
                              {"Button7", "设置主送单位"},
                              {"Button8", "请选择文档插入"},
                              {"Button9", "添加新附件"}})
        EXPECT_EQ(button(letter, name).hint(), hint) << name;

    TForm13& speech = ui::createForm<TForm13>(nullptr);
    EXPECT_EQ(speech.caption(), "Brevaro    讲话");
    EXPECT_EQ(speech.GroupBox3.caption(), "标题:");
    EXPECT_EQ(speech.GroupBox6.caption(), "抄送单位");
    EXPECT_EQ(speech.GroupBox7.caption(), "发表日期");
    EXPECT_EQ(speech.findComponent("fj"), nullptr) << "no attachments";
    EXPECT_EQ(speech.findComponent("Edit5"), nullptr) << "no note";
    EXPECT_EQ(speech.ComboBox15.items(), (Items{"急  件", "特  急"}));
    for (auto [name, hint] : {std::pair{"Button2", "设置抄送单位"},
                              {"Button6", "设置常用机关代字"},
                              {"Button7", "设置主送单位"},
                              {"Button8", "请选择文档插入"}})
        EXPECT_EQ(button(speech, name).hint(), hint) << name;

    TForm12& order = ui::createForm<TForm12>(nullptr);
    EXPECT_EQ(order.caption(), "Brevaro     命令（令）");
    EXPECT_EQ(order.GroupBox1.caption(), "  令 号  ");
    EXPECT_EQ(order.GroupBox2.caption(), " 签发日期 ");
    EXPECT_EQ(order.GroupBox3.caption(), "  签发人职务  ");
    EXPECT_EQ(order.GroupBox5.caption(), "分送：");
    EXPECT_EQ(order.Button7.hint(), "设置分送单位");
    for (ui::Button* output : {&speech.Button5, &order.Button5}) {
        EXPECT_TRUE(output->isDefault());
        EXPECT_EQ(output->caption(), "输出到Word >>");
    }
    EXPECT_FALSE(speech.Button4.visible());
    EXPECT_FALSE(order.Edit12.visible());
    EXPECT_TRUE(order.Edit15.readOnly());
}

// The order loads no list; the letter and the speech load the abbreviations. A WPS profile reaches the
// output buttons of all three.
TEST_F(LettersForm, StartWithTodayTheListsAndTheProfilesWordProcessor) {
    setting("某某市人民政府", "wwww", "wps");
    TForm7& letter = ui::createForm<TForm7>(nullptr);
    EXPECT_EQ(letter.BtnInsertRecord.caption(), "输出到Wps >>");
    EXPECT_EQ(letter.ComboBox7.items(), (Items{"某府", "某办"}));
    EXPECT_EQ(letter.Edit2.text(), "2026");
    EXPECT_EQ(letter.Edit16.text(), " 2026年12月9日印发");
    TForm13& speech = ui::createForm<TForm13>(nullptr);
    EXPECT_EQ(speech.Button5.caption(), "输出到Wps >>");
    EXPECT_EQ(speech.ComboBox1.items(), (Items{"某府", "某办"}));
    EXPECT_EQ(speech.Edit1.text(), "2026");
    EXPECT_EQ(speech.Edit12.text(), " 2026年12月9日印发");
    EXPECT_EQ(speech.ComboBox12.text(), "九日");
    std::filesystem::remove(m_data.file("dqx.ini.jg"));
    TForm12& order = ui::createForm<TForm12>(nullptr);
    EXPECT_TRUE(messages.empty()) << "the order reads no list";
    EXPECT_EQ(order.Button5.caption(), "输出到Wps >>");
    EXPECT_EQ(order.Edit12.text(), " 2026年12月9日印发");
    EXPECT_EQ(order.ComboBox10.text(), "二○二六年");
    EXPECT_EQ(order.ComboBox11.text(), "十二月");
    EXPECT_EQ(order.Edit1.text(), "") << "the order's number is not the year";
}

TEST_F(LettersForm, TheChoosersChoicesOpenTheseForms) {
    expectChoicesOpen(
        {{"RadioButton7", "TForm7"}, {"RadioButton9", "TForm13"}, {"RadioButton11", "TForm12"}});
}

// Only a whole number is remembered as the abbreviation's serial: a serial with a stop, or none, leaves
// the stored one as it was, and the next suggestion follows it. The number goes into the document as
// typed.
TEST_F(LettersForm, OnlyWholeSerialsAreRemembered) {
    TForm7& letter = ui::createForm<TForm7>(nullptr);
    TForm13& speech = ui::createForm<TForm13>(nullptr);
    struct Form {
        ui::ComboBox& abbreviation;
        ui::Edit& serial;
        ui::Button& output;
        const char* numberSlot;
    };
    for (Form f : {Form{letter.ComboBox7, letter.Edit3, letter.BtnInsertRecord, "after 4 "},
                   Form{speech.ComboBox1, speech.Edit4, speech.Button5, "before 1 "}}) {
        setting("jg", "某府", "11");
        user([&] { f.abbreviation.userPick(0); });
        EXPECT_EQ(f.serial.text(), "12");
        output(f.output);
        EXPECT_EQ(stored("jg", "某府"), "12");
        for (const char* unsound : {"13.", "", "1.5"}) {
            f.serial.setText(unsound);
            output(f.output);
            EXPECT_EQ(stored("jg", "某府"), "12") << unsound;
            EXPECT_TRUE(logged(f.numberSlot + std::string("某府〔2026〕") + unsound + "号"));
        }
        user([&] { f.abbreviation.userPick(0); });
        EXPECT_EQ(f.serial.text(), "13");
    }
}

// The memo's lines go into the document as lines of one copy-to block, a final line break dropped; an
// empty memo takes the WPS template without a copy-to line.
TEST_F(LettersForm, TheSpeechsCopyToMemoChoosesTheWpsTemplate) {
    shapes = 2;
    TForm13& word = ui::createForm<TForm13>(nullptr);
    word.Memo1.setText("市委办公室\r\n市政协办公室\r\n");
    output(word.Button5);
    EXPECT_EQ(host.opened, Items{"Word dqx6.dqx"});
    EXPECT_TRUE(logged("before 23 抄送：市委办公室|市政协办公室。"));
    EXPECT_TRUE(logged("font 24 scaling=100"));
    EXPECT_EQ(word.windowState(), ui::WindowState::Minimised);

    setting("某某市人民政府", "wwww", "wps");
    TForm13& wps = ui::createForm<TForm13>(nullptr);
    output(wps.Button5);
    EXPECT_EQ(host.opened, Items{"Wps dqx6.dqx"});
    EXPECT_FALSE(logged("font 23 scaling=100"));
    wps.Memo1.setText("市委办公室");
    output(wps.Button5);
    EXPECT_EQ(host.opened, Items{"Wps dqx6b.dqx"});
    EXPECT_TRUE(logged("before 23 抄送：市委办公室。"));

    then([](ui::Form& picker) {
        EXPECT_EQ(picker.caption(), "选择抄送单位");
        auto& units = dynamic_cast<TForm21&>(picker);
        EXPECT_EQ(units.Memo1.text(), "市委办公室");
        units.Memo1.userSetText("市委办公室，市人大常委会办公室");
        units.pressDefaultButton();
    });
    user([&] { wps.Button2.click(); });
    EXPECT_EQ(wps.Memo1.text(), "市委办公室，市人大常委会办公室");
}

// An empty order number keeps its place with two blanks, an empty post takes its placeholder, and the
// distribution line is written without units; the order writes nothing to the settings file.
TEST_F(LettersForm, TheOrdersPlaceholdersAndItsMasthead) {
    shapes = 3;
    TForm12& order = ui::createForm<TForm12>(nullptr);
    output(order.Button5);
    EXPECT_EQ(host.opened, Items{"Word dqx5.dqx"});
    EXPECT_TRUE(logged("before 6 第  号"));
    EXPECT_TRUE(logged("before 10         [此处输入签发人职务]|"));
    EXPECT_TRUE(logged("before 16 分送：。"));
    EXPECT_TRUE(logged("after 14 主题词：[此处输入主题词]"));
    EXPECT_TRUE(logged("before 9 [此处输入正文内容]|||"));
    EXPECT_TRUE(logged("shape 3 text 某某市人民政府令"));
    EXPECT_EQ(order.Edit1.text(), "");
    EXPECT_EQ(order.Edit10.text(), "") << "the placeholders go into the document only";
    std::size_t placeholders = 0;
    for (const std::string& line : host.log)
        placeholders += line.find("[此处") != std::string::npos;
    EXPECT_EQ(placeholders, 3u) << "no title, recipients or signer";

    order.Edit1.setText("5");
    order.Edit10.setText("市长");
    order.Memo1.setText("各区县人民政府\r\n市政府各部门");
    setting("某某市人民政府", "fontsize", "55");
    output(order.Button5);
    EXPECT_TRUE(logged("before 6 第5号"));
    EXPECT_TRUE(logged("before 10         市长|"));
    EXPECT_TRUE(logged("before 16 分送：各区县人民政府|市政府各部门。"));
    EXPECT_TRUE(logged("shape 3 font name=标准公文_小标宋 bold=0 color=255")) << "the template's size";
    EXPECT_EQ(stored("jg", "5"), "(none)");
}

// The letter's masthead is 44 points whatever the profile asks for.
TEST_F(LettersForm, TheLettersMastheadKeepsItsSize) {
    setting("某某市人民政府", "fontsize", "55");
    setting("某某市人民政府", "fontbl", "80");
    TForm7& letter = ui::createForm<TForm7>(nullptr);
    output(letter.BtnInsertRecord);
    EXPECT_EQ(host.opened, Items{"Word dqx3.dqx"});
    EXPECT_TRUE(logged("shape 1 font name=标准公文_小标宋 size=44 scaling=80 bold=0 color=255"));
    EXPECT_TRUE(logged("shape 1 text 某某市人民政府"));
    EXPECT_TRUE(logged("after 4 〔2026〕号"));
}

// All three Word copies show a failure themselves, let go of the word processor and minimise; the WPS
// copies let it through to the default dialog.
TEST_F(LettersForm, WordFailuresAreShownAndLetGo) {
    TForm7& letter = ui::createForm<TForm7>(nullptr);
    TForm13& speech = ui::createForm<TForm13>(nullptr);
    TForm12& order = ui::createForm<TForm12>(nullptr);
    host.failure = "无法打开模板";
    for (auto [form, button] : {std::pair<ui::Form*, ui::Button*>{&letter, &letter.BtnInsertRecord},
                                {&speech, &speech.Button5},
                                {&order, &order.Button5}}) {
        user([&, button = button] { button->click(); });
        EXPECT_EQ(form->windowState(), ui::WindowState::Minimised) << form->className();
        EXPECT_TRUE(host.released) << form->className();
        host.released = false;
    }
    EXPECT_EQ(messages, (std::vector<std::string>(3, "Test program: 无法打开模板")));

    setting("某某市人民政府", "wwww", "wps");
    TForm13& wps = ui::createForm<TForm13>(nullptr);
    user([&] { wps.Button5.click(); });
    EXPECT_EQ(messages.back(), "Test program: 无法打开模板.");
    EXPECT_EQ(wps.windowState(), ui::WindowState::Normal);
}
