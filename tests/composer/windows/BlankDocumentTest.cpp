// The chooser's blank documents, made by the embedded word processor and read back from the draft.
#include "tests/composer/support/FormFixture.h"

#include "composer/output/UnopenedDocuments.h"
#include "composer/windows/TForm1.h"
#include "platform/automation/Automation.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/wordproc/HandOff.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

using namespace composer;

namespace {

// A saved document keeps its margins in twentieths of a point.
constexpr float Twip = 0.05f;

class BlankDocumentTest : public FormTest {
protected:
    BlankDocumentTest() {
        for (const char* name : {"dqx0.dqx", "dqxhp.dqx"})
            std::filesystem::copy_file(wordproctest::builtTemplate(name), paths().DataFolder + "/" + name);
        for (const char* progId : {"word.Application", "wps.Application"}) {
            try {
                automation::GetActiveObject(progId).Quit();
            } catch (const automation::Error&) {
            }
        }
    }

    // Chooses the radio button, presses "下一步 >>" and opens the draft that the word processor kept.
    automation::Document make(ui::RadioButton& choice) {
        choice.userClick();
        user([&] { chooser.Button1.userClick(); });
        EXPECT_EQ(recorder.paths().size(), 1u) << (messages.empty() ? "" : messages.back());
        EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
        return automation::CreateObject("word.Application").Documents().Open(recorder.onlyDraft());
    }
    static bool running(const char* progId) {
        try {
            automation::GetActiveObject(progId);
            return true;
        } catch (const automation::Error&) {
            return false;
        }
    }
    std::string settingsPart() const {
        return wordproctest::readPart(recorder.onlyDraft(), "word/settings.xml");
    }

    wordproctest::HandOffRecorder recorder;
    TForm1& chooser = ui::createForm<TForm1>(nullptr);
};

} // namespace

TEST_F(BlankDocumentTest, WithoutAProfileTheStandardLayoutIsMadeInWord) {
    automation::Document doc = make(chooser.RadioButton10);
    EXPECT_NEAR(doc.PageSetup().topMargin(), automation::MillimetersToPoints(37), Twip);
    EXPECT_NEAR(doc.PageSetup().bottomMargin(), automation::MillimetersToPoints(35), Twip);
    EXPECT_NEAR(doc.PageSetup().leftMargin(), automation::MillimetersToPoints(28), Twip);
    EXPECT_NEAR(doc.PageSetup().rightMargin(), automation::MillimetersToPoints(26), Twip);
    automation::Font body = doc.Styles().Item("正文").Font();
    EXPECT_EQ(body.nameFarEast(), "标准公文_仿宋");
    EXPECT_FLOAT_EQ(body.size(), 16);
    EXPECT_FALSE(running("wps.Application"));
    EXPECT_NE(settingsPart().find("<w:hideSpellingErrors/><w:hideGrammaticalErrors/>"), std::string::npos);
}

TEST_F(BlankDocumentTest, TheProfilesLayoutAndHostAreUsed) {
    writeSettings("[dqx]\r\nfwjg=某局\r\n[某局]\r\nwwww=wps\r\ntop=30\r\nfoot=20\r\nleft=25\r\nright=15\r\n"
                  "zwzt=仿宋\r\nzwsize=14\r\n");
    automation::Document doc = make(chooser.RadioButton10);
    EXPECT_NEAR(doc.PageSetup().topMargin(), automation::MillimetersToPoints(30), Twip);
    EXPECT_NEAR(doc.PageSetup().rightMargin(), automation::MillimetersToPoints(15), Twip);
    EXPECT_EQ(doc.Styles().Item("正文").Font().nameFarEast(), "仿宋");
    EXPECT_FLOAT_EQ(doc.Styles().Item("正文").Font().size(), 14);
    EXPECT_TRUE(running("wps.Application"));
    EXPECT_EQ(settingsPart().find("hideSpellingErrors"), std::string::npos) << "Word's options only in Word";
}

TEST_F(BlankDocumentTest, WpsInCapitalsMeansWord) {
    writeSettings("[dqx]\r\nfwjg=某局\r\n[某局]\r\nwwww=WPS\r\n");
    make(chooser.RadioButton10);
    EXPECT_FALSE(running("wps.Application"));
}

TEST_F(BlankDocumentTest, OnlyTheLandscapePageTakesTheTitleFontInItsFirstParagraph) {
    writeSettings("[dqx]\r\nfwjg=某局\r\n[某局]\r\nbtzt=黑体\r\n");
    automation::Document landscape = make(chooser.RadioButton22);
    EXPECT_EQ(landscape.Paragraphs().Item(1).Range().Font().name(), "黑体");
    EXPECT_GT(landscape.PageSetup().pageWidth(), landscape.PageSetup().pageHeight());
}

TEST_F(BlankDocumentTest, ThePortraitPageKeepsItsParagraphs) {
    writeSettings("[dqx]\r\nfwjg=某局\r\n[某局]\r\nbtzt=黑体\r\n");
    automation::Document portrait = make(chooser.RadioButton10);
    EXPECT_NE(portrait.Paragraphs().Item(1).Range().Font().name(), "黑体");
}

TEST_F(BlankDocumentTest, AMarginThatIsNoWholeNumberIsReportedAndTheChooserComesBack) {
    writeSettings("[dqx]\r\nfwjg=某局\r\n[某局]\r\ntop=37.5\r\n");
    chooser.RadioButton10.userClick();
    user([&] { chooser.Button1.userClick(); });
    EXPECT_EQ(messages, std::vector<std::string>{"Test program: '37.5' is not a valid integer value."});
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
    EXPECT_EQ(recorder.paths().size(), 1u) << "what the word processor made stays made";
}

TEST_F(BlankDocumentTest, ABlankDocumentThatNothingShowsIsNamedToTheUser) {
    shell::setProgramStarter([](const std::vector<std::string>&) { return false; });
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Desktop);
    watchUnopenedDocuments();
    chooser.RadioButton10.userClick();
    user([&] { chooser.Button1.userClick(); });
    app->processMessages();
    wordproc::setUnopenedObserver({});
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    shell::setProgramStarter({});
    EXPECT_EQ(messages, std::vector<std::string>{"Test program: 无法启动文字处理程序，文档已保存在：\n" +
                                                 recorder.onlyDraft()});
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
}
