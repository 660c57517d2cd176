// The settings window: filling, picking, adding, restoring, saving, confirming and deleting profiles.
#include "tests/composer/support/FormFixture.h"

#include "composer/windows/TForm10.h"

#include <algorithm>

using namespace composer;
using Names = std::vector<std::string>;

namespace {

const std::string Twenty = "一二三四五六七八九十一二三四五六七八九十";

class SettingsWindowTest : public FormTest {
protected:
    TForm10& open() { return ui::createForm<TForm10>(nullptr); }
    // Adds a profile through the add button's input box.
    void addProfile(TForm10& w, std::optional<std::string> answer) {
        headless->queueInputAnswer(std::move(answer));
        user([&] { w.SpeedButton1.userClick(); });
    }
    // Three profiles, the second current; 乙局 has no fontbl.
    void writeThreeProfiles() const {
        writeSettings("[甲局]\r\nname=甲局办\r\nfontbl=70\r\n[dqx]\r\nfwjg=乙局\r\n[乙局]\r\nname=乙局办\r\n"
                      "fontsize=60\r\nxz=0\r\nwwww=wps\r\nfwbold=1\r\nzwsize=18\r\nxxfx=3\r\njbfx=0\r\n"
                      "[jg]\r\nABC=12\r\n[left]\r\n甲=3\r\n[丙局]\r\nname=丙局办\r\nfwzt=方正小标宋\r\n");
    }
};

} // namespace

TEST_F(SettingsWindowTest, FirstOpeningShowsTheReadDefaults) {
    TForm10& w = open();
    EXPECT_EQ(w.caption(), "常规设置");
    EXPECT_EQ(w.ComboBox8.itemCount(), 0);
    EXPECT_EQ(w.ComboBox8.text(), "");
    EXPECT_EQ(w.Edit1.text(), "");
    EXPECT_EQ(w.Edit2.text(), "55");
    EXPECT_EQ(w.Edit5.text(), "75");
    EXPECT_TRUE(w.RadioButton4.checked());
    EXPECT_FALSE(w.RadioButton3.checked());
    EXPECT_TRUE(w.RadioButton1.checked());
    EXPECT_FALSE(w.RadioButton2.checked());
    EXPECT_EQ(w.ComboBox1.text(), "标准公文_小标宋");
    EXPECT_EQ(w.ComboBox2.text(), "标准公文_小标宋");
    EXPECT_EQ(w.ComboBox3.text(), "标准公文_仿宋");
    EXPECT_FALSE(w.CheckBox1.checked());
    EXPECT_EQ(w.Edit6.text() + w.Edit7.text(), "2216");
    EXPECT_EQ(w.Edit8.text() + w.Edit9.text() + w.Edit10.text() + w.Edit11.text(), "37352826");
    for (ui::ComboBox* combo : {&w.ComboBox4, &w.ComboBox5, &w.ComboBox6, &w.ComboBox7}) {
        EXPECT_EQ(combo->items(), (Names{"-5", "0", "＋5", "＋10"}));
        EXPECT_EQ(combo->itemIndex(), 1);
    }
    EXPECT_FALSE(exists(iniPath())) << "opening writes nothing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsWindowTest, FontCombosOfferTheInstalledAndTheTemplateFonts) {
    TForm10& w = open();
    const Names fonts = w.ComboBox1.items();
    for (const char* font : {"宋体", "黑体", "标准公文_仿宋", "标准公文_小标宋"})
        EXPECT_NE(std::ranges::find(fonts, font), fonts.end()) << font;
    EXPECT_EQ(w.ComboBox2.items(), fonts);
    EXPECT_EQ(w.ComboBox3.items(), fonts);
}

TEST_F(SettingsWindowTest, ListsProfilesInFileOrderAndLoadsTheCurrentOne) {
    writeThreeProfiles();
    TForm10& w = open();
    EXPECT_EQ(w.ComboBox8.items(), (Names{"甲局", "乙局", "丙局"})) << "dqx, jg and left are no profiles";
    EXPECT_EQ(w.ComboBox8.text(), "乙局");
    EXPECT_EQ(w.Edit1.text(), "乙局办");
    EXPECT_EQ(w.Edit2.text(), "60");
    EXPECT_EQ(w.Edit5.text(), "75") << "a missing scale reads 75 when the window opens";
    EXPECT_TRUE(w.RadioButton3.checked());
    EXPECT_TRUE(w.RadioButton2.checked());
    EXPECT_TRUE(w.CheckBox1.checked());
    EXPECT_EQ(w.Edit7.text(), "18");
    EXPECT_EQ(w.ComboBox4.text(), "＋10");
    EXPECT_EQ(w.ComboBox7.text(), "-5");
}

TEST_F(SettingsWindowTest, PickingAProfileLoadsItAndSuggestsAScaleOnlyWhenItHasNone) {
    writeThreeProfiles();
    TForm10& w = open();
    user([&] { w.ComboBox8.userPick(0); });
    EXPECT_EQ(w.Edit1.text(), "甲局办");
    EXPECT_EQ(w.Edit5.text(), "70") << "a stored scale stays";
    EXPECT_TRUE(w.RadioButton4.checked());
    EXPECT_TRUE(w.RadioButton1.checked());
    user([&] { w.ComboBox8.userPick(1); });
    EXPECT_EQ(w.Edit5.text(), "63") << "no stored scale: suggested for a 4-byte name";
    user([&] { w.ComboBox8.userPick(2); });
    EXPECT_EQ(w.ComboBox1.text(), "方正小标宋") << "a font this machine lacks is shown and kept";
    EXPECT_EQ(w.ComboBox1.itemIndex(), w.ComboBox1.itemCount() - 1);
}

TEST_F(SettingsWindowTest, AStoredZeroScaleWithAnOddLengthNameStaysZero) {
    const std::string odd21 = "A" + Twenty.substr(0, 10 * 3); // 21 bytes
    writeSettings("[" + odd21 + "]\r\nfontbl=0\r\n");
    TForm10& w = open();
    user([&] { w.ComboBox8.userPick(0); });
    EXPECT_EQ(w.Edit5.text(), "0");
    user([&] { w.Button9.userClick(); });
    EXPECT_EQ(settings().readString(odd21, "fontbl", "?"), "0");
}

TEST_F(SettingsWindowTest, AddingAProfileSetsTheStandardValuesAndWritesNothing) {
    writeThreeProfiles();
    const std::string before = settingsText();
    TForm10& w = open();
    addProfile(w, "某某市人民政府办公室"); // 20 bytes
    EXPECT_EQ(w.ComboBox8.items().back(), "某某市人民政府办公室");
    EXPECT_EQ(w.ComboBox8.text(), "某某市人民政府办公室");
    EXPECT_EQ(w.Edit1.text(), "某某市人民政府办公室");
    EXPECT_EQ(w.Edit5.text(), "60");
    EXPECT_EQ(w.Edit2.text(), "55");
    EXPECT_TRUE(w.RadioButton4.checked()) << "the current profile was party style";
    EXPECT_TRUE(w.RadioButton1.checked());
    EXPECT_FALSE(w.CheckBox1.checked());
    EXPECT_EQ(w.Edit7.text(), "16");
    EXPECT_EQ(w.ComboBox4.itemIndex(), 1);
    EXPECT_EQ(settingsText(), before);

    addProfile(w, "七个汉字的名"); // 12 bytes
    EXPECT_EQ(w.Edit5.text(), "63");
    addProfile(w, Twenty.substr(0, 15 * 3)); // 30 bytes
    EXPECT_EQ(w.Edit5.text(), "41");
    EXPECT_EQ(w.ComboBox8.itemCount(), 6);
}

TEST_F(SettingsWindowTest, NamesLongerThanFortyBytesAreRefused) {
    TForm10& w = open();
    addProfile(w, Twenty);
    addProfile(w, "ABCD" + Twenty.substr(0, 18 * 3));
    EXPECT_EQ(w.ComboBox8.items(), (Names{Twenty, "ABCD" + Twenty.substr(0, 18 * 3)}));
    EXPECT_TRUE(messages.empty());
    addProfile(w, Twenty + "一");
    addProfile(w, "ABCDE" + Twenty.substr(0, 18 * 3));
    EXPECT_EQ(w.ComboBox8.itemCount(), 2);
    EXPECT_EQ(messages,
              (Names(2, "Test program: 设置出错！印发机关名称过长（超过20个汉字），无法正常输出!")));
}

TEST_F(SettingsWindowTest, CancelledEmptyAndUnusableNamesAddNothing) {
    TForm10& w = open();
    addProfile(w, std::nullopt);
    addProfile(w, "");
    EXPECT_TRUE(messages.empty());
    for (const char* name : {"dqx", "JG", "Left", " 某局", "某局]", "\"某局\""})
        addProfile(w, name);
    EXPECT_EQ(w.ComboBox8.itemCount(), 0);
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_NE(messages[0].find("设置出错！发文机关名称不能"), std::string::npos) << messages[0];
    EXPECT_FALSE(exists(iniPath()));
}

TEST_F(SettingsWindowTest, RestoringDefaultsKeepsTheNameAndSuggestsTheScale) {
    writeThreeProfiles();
    TForm10& w = open();
    w.Edit5.setText("99");
    w.Edit11.setText("10");
    user([&] { w.Button6.userClick(); });
    EXPECT_EQ(w.ComboBox8.text(), "乙局");
    EXPECT_EQ(w.Edit1.text(), "乙局办");
    EXPECT_EQ(w.Edit5.text(), "63");
    EXPECT_EQ(w.Edit2.text(), "55");
    EXPECT_EQ(w.Edit11.text(), "26");
    EXPECT_TRUE(w.RadioButton4.checked());
    EXPECT_TRUE(w.RadioButton1.checked());
    EXPECT_EQ(w.ComboBox4.itemIndex(), 1);
    EXPECT_EQ(w.ComboBox7.itemIndex(), 1);

    addProfile(w, "A" + Twenty.substr(0, 10 * 3)); // 21 bytes: no suggestion
    w.Edit5.setText("47");
    user([&] { w.Button6.userClick(); });
    EXPECT_EQ(w.Edit5.text(), "47");
}

TEST_F(SettingsWindowTest, SavingWritesTheNamedProfileAndKeepsTheWindowOpen) {
    TForm10& w = open();
    user([&] { w.Button9.userClick(); });
    EXPECT_FALSE(exists(iniPath())) << "no profile in the list: nothing to save";
    addProfile(w, "某局");
    w.Edit2.userType("4x8.5");
    w.RadioButton3.userClick();
    w.RadioButton2.userClick();
    w.ComboBox5.userPick(3);
    const std::string folder = paths().TemplateFolder;
    user([&] { w.Button9.userClick(); });
    ini::IniFile file = settings();
    EXPECT_EQ(file.readString("dqx", "fwjg", ""), "某局");
    EXPECT_EQ(file.readString("某局", "name", ""), "某局");
    EXPECT_EQ(file.readString("某局", "fontsize", ""), "5548.5") << "the digit filter lets '.' pass";
    EXPECT_EQ(file.readString("某局", "fontbl", ""), "63");
    EXPECT_EQ(file.readString("某局", "xz", ""), "0");
    EXPECT_EQ(file.readString("某局", "sxfx", ""), "3");
    EXPECT_EQ(file.readString("某局", "wwww", ""), "wps");
    EXPECT_EQ(paths().TemplateFolder, folder) << "saving does not touch the template folder";
    EXPECT_EQ(w.modalResult(), ui::mrNone);
}

TEST_F(SettingsWindowTest, ConfirmingWritesAndSetsTheTemplateFolder) {
    TForm10& w = open();
    addProfile(w, "某党委");
    then([&](ui::Form&) {
        w.RadioButton3.userClick();
        user([&] { w.Edit1.userType("\n"); }); // Enter presses "确定"
    });
    EXPECT_EQ(w.showModal(), ui::mrOk);
    EXPECT_EQ(settings().readString("某党委", "xz", ""), "0");
    EXPECT_EQ(paths().TemplateFolder, paths().DataFolder + "/dang");

    then([&](ui::Form&) {
        w.RadioButton4.userClick();
        user([&] { w.Button2.userClick(); });
    });
    EXPECT_EQ(w.showModal(), ui::mrOk);
    EXPECT_EQ(paths().TemplateFolder, paths().DataFolder);
}

TEST_F(SettingsWindowTest, ConfirmingWithoutANameClosesAndWritesNothing) {
    TForm10& w = open();
    paths().TemplateFolder = "/unchanged";
    w.RadioButton3.setChecked(true);
    then([&](ui::Form&) { user([&] { w.Button2.userClick(); }); });
    EXPECT_EQ(w.showModal(), ui::mrOk);
    EXPECT_FALSE(exists(iniPath()));
    EXPECT_EQ(paths().TemplateFolder, "/unchanged");
}

TEST_F(SettingsWindowTest, TheCloseBoxSavesNothing) {
    TForm10& w = open();
    addProfile(w, "某局");
    then([&](ui::Form&) { user([&] { w.close(); }); });
    EXPECT_EQ(w.showModal(), ui::mrCancel);
    EXPECT_FALSE(exists(iniPath()));
}

TEST_F(SettingsWindowTest, DeletingTheCurrentProfileMakesTheLastOneCurrent) {
    writeThreeProfiles();
    TForm10& w = open();
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    ASSERT_TRUE(headless->lastMessage());
    EXPECT_EQ(headless->lastMessage()->request.text, "您确认要删除【乙局】的配置吗？");
    EXPECT_EQ(headless->lastMessage()->request.caption, "确认删除");
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Warning);
    EXPECT_EQ(headless->lastMessage()->request.owner, &w);
    EXPECT_FALSE(settings().sectionExists("乙局"));
    EXPECT_EQ(settings().readString("dqx", "fwjg", ""), "丙局");
    EXPECT_EQ(w.ComboBox8.items(), (Names{"甲局", "丙局"}));
    EXPECT_EQ(w.ComboBox8.text(), "丙局");
    EXPECT_EQ(w.Edit1.text(), "丙局办");
    EXPECT_EQ(w.Edit5.text(), "75");
    EXPECT_EQ(settings().readString("jg", "ABC", ""), "12") << "other sections stay";
}

TEST_F(SettingsWindowTest, DeletingAnotherProfileKeepsTheCurrentOne) {
    writeThreeProfiles();
    TForm10& w = open();
    w.ComboBox8.userPick(0);
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    EXPECT_FALSE(settings().sectionExists("甲局"));
    EXPECT_EQ(settings().readString("dqx", "fwjg", ""), "乙局");
    EXPECT_EQ(w.ComboBox8.text(), "乙局");
    EXPECT_EQ(w.Edit1.text(), "乙局办");
}

TEST_F(SettingsWindowTest, DeletingTheOnlyProfileRemovesTheCurrentName) {
    writeSettings("[dqx]\r\nfwjg=甲局\r\n[甲局]\r\nname=甲局办\r\nfontsize=60\r\n");
    TForm10& w = open();
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(settings().sectionNames(), Names{"dqx"});
    EXPECT_EQ(settings().readString("dqx", "fwjg", "(none)"), "(none)");
    EXPECT_EQ(w.ComboBox8.itemCount(), 0);
    EXPECT_EQ(w.ComboBox8.text(), "");
    EXPECT_EQ(w.Edit1.text(), "");
    EXPECT_EQ(w.Edit2.text(), "60") << "the other controls keep what they show";

    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(messages.size(), 1u) << "an empty list asks nothing";
}

TEST_F(SettingsWindowTest, AnsweringNoDeletesNothing) {
    writeThreeProfiles();
    const std::string before = settingsText();
    TForm10& w = open();
    headless->queueMessageAnswer(ui::mrNo);
    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(settingsText(), before);
    EXPECT_EQ(w.ComboBox8.itemCount(), 3);
}

TEST_F(SettingsWindowTest, TypingIntoTheCombosChangesNothing) {
    writeThreeProfiles();
    TForm10& w = open();
    for (ui::ComboBox* combo : {&w.ComboBox1, &w.ComboBox2, &w.ComboBox3, &w.ComboBox4, &w.ComboBox5,
                                &w.ComboBox6, &w.ComboBox7, &w.ComboBox8}) {
        const std::string before = combo->text();
        user([&] {
            combo->userType("x1宋");
            combo->userKey(ui::KeyBackspace);
        });
        EXPECT_EQ(combo->text(), before) << combo->name();
        EXPECT_EQ(combo->filterKey(U'x'), 0u) << combo->name() << " swallows typed characters";
    }
    EXPECT_EQ(w.Edit1.text(), "乙局办") << "no profile was loaded by typing";
}

TEST_F(SettingsWindowTest, NumberFieldsTakeDigitsAndPointOnly) {
    TForm10& w = open();
    for (ui::Edit* edit :
         {&w.Edit2, &w.Edit5, &w.Edit6, &w.Edit7, &w.Edit8, &w.Edit9, &w.Edit10, &w.Edit11}) {
        edit->setText({});
        edit->userType("1a2.-3 号");
        EXPECT_EQ(edit->text(), "12.3") << edit->name();
        edit->userKey(ui::KeyBackspace);
        EXPECT_EQ(edit->text(), "12.") << edit->name();
    }
    w.Edit1.userType("a1");
    EXPECT_EQ(w.Edit1.text(), "a1");
}

TEST_F(SettingsWindowTest, AnUnwritableSettingsFileIsReportedAndTheWindowStaysUsable) {
    TForm10& w = open();
    addProfile(w, "某局");
    blockWithFolder(iniPath());
    const std::string unwritable = "Test program: Unable to write to " + iniPath() + ".";
    user([&] { w.Button9.userClick(); });
    EXPECT_EQ(messages, Names{unwritable});

    paths().TemplateFolder = "/unchanged";
    then([&](ui::Form&) {
        user([&] { w.Button2.userClick(); });
        EXPECT_EQ(w.modalResult(), ui::mrNone) << "what the user set is not thrown away";
        EXPECT_TRUE(w.visible());
        w.Edit1.userType("办");
        std::filesystem::remove_all(iniPath());
        user([&] { w.Button2.userClick(); });
    });
    EXPECT_EQ(w.showModal(), ui::mrOk);
    EXPECT_EQ(messages, (Names{unwritable, unwritable}));
    EXPECT_EQ(settings().readString("某局", "name", ""), "某局办");
    EXPECT_EQ(paths().TemplateFolder, paths().DataFolder);
}

TEST_F(SettingsWindowTest, AFailedDeleteChangesNothingInTheWindow) {
    writeThreeProfiles();
    TForm10& w = open();
    std::filesystem::remove(iniPath());
    blockWithFolder(iniPath());
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(messages.back(), "Test program: Unable to write to " + iniPath() + ".");
    EXPECT_EQ(w.ComboBox8.itemCount(), 3);
    EXPECT_EQ(w.ComboBox8.text(), "乙局");
}

TEST_F(SettingsWindowTest, ACurrentNameWithoutItsSectionIsShownAndCreatedOnConfirm) {
    writeSettings("[dqx]\r\nfwjg=新局\r\n[甲局]\r\n");
    TForm10& w = open();
    EXPECT_EQ(w.ComboBox8.items(), Names{"甲局"}) << "the list holds the file's sections only";
    EXPECT_EQ(w.ComboBox8.text(), "新局");
    EXPECT_EQ(w.Edit2.text(), "55");
    then([&](ui::Form&) { user([&] { w.Button2.userClick(); }); });
    w.showModal();
    EXPECT_EQ(settings().readString("新局", "fontsize", ""), "55");
}

TEST_F(SettingsWindowTest, ACurrentNameNamingAReservedSectionShowsNoProfile) {
    writeSettings("[dqx]\r\nfwjg=jg\r\n[jg]\r\nABC=1\r\n[甲局]\r\n");
    TForm10& w = open();
    EXPECT_EQ(w.ComboBox8.items(), Names{"甲局"});
    EXPECT_EQ(w.ComboBox8.text(), "");
    then([&](ui::Form&) { user([&] { w.Button2.userClick(); }); });
    w.showModal();
    EXPECT_EQ(settings().readString("jg", "name", "(none)"), "(none)") << "the serial memory stays clean";
}

TEST_F(SettingsWindowTest, DeletingTheCurrentProfileSpeltInAnotherCaseMovesTheCurrentName) {
    writeSettings("[dqx]\r\nfwjg=abc\r\n[Abc]\r\nname=甲\r\n[Def]\r\nname=乙\r\n");
    TForm10& w = open();
    EXPECT_EQ(w.ComboBox8.items(), (Names{"Abc", "Def"}));
    EXPECT_EQ(w.ComboBox8.text(), "abc") << "the current name as the file has it";
    EXPECT_EQ(w.Edit1.text(), "甲");
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(headless->lastMessage()->request.text, "您确认要删除【abc】的配置吗？");
    EXPECT_FALSE(settings().sectionExists("Abc"));
    EXPECT_EQ(settings().readString("dqx", "fwjg", ""), "Def");
    EXPECT_EQ(w.ComboBox8.items(), Names{"Def"});
    EXPECT_EQ(w.ComboBox8.text(), "Def");
    EXPECT_EQ(w.Edit1.text(), "乙");
}

TEST_F(SettingsWindowTest, DeletingThePickedSectionOfTheCurrentNameInAnotherCaseMovesItToo) {
    writeSettings("[dqx]\r\nfwjg=DEF\r\n[Abc]\r\nname=甲\r\n[Def]\r\nname=乙\r\n[Ghi]\r\nname=丙\r\n");
    TForm10& w = open();
    w.ComboBox8.userPick(1);
    ASSERT_EQ(w.ComboBox8.text(), "Def");
    headless->queueMessageAnswer(ui::mrYes);
    user([&] { w.Button7.userClick(); });
    EXPECT_EQ(settings().readString("dqx", "fwjg", ""), "Ghi") << "fwjg names no deleted profile";
    EXPECT_EQ(w.ComboBox8.items(), (Names{"Abc", "Ghi"}));
    EXPECT_EQ(w.ComboBox8.text(), "Ghi");
}

TEST_F(SettingsWindowTest, TheProfileNameTakesNoPaste) {
    writeThreeProfiles();
    TForm10& w = open();
    headless->setClipboardText("丁局");
    w.ComboBox8.selectAll();
    user([&] { w.ComboBox8.pasteFromClipboard(); });
    EXPECT_EQ(w.ComboBox8.text(), "乙局");
    w.Edit8.selectAll();
    headless->setClipboardText("3a5毫米");
    user([&] { w.Edit8.pasteFromClipboard(); });
    EXPECT_EQ(w.Edit8.text(), "35") << "the digit filter holds for pasted text";
}
