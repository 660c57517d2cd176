// The down-going form end to end: the form filled on the headless backend, the document made by the
// embedded word processor from the installed templates, and the saved .docx read back paragraph by
// paragraph.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm9.h"
#include "composer/output/UnopenedDocuments.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"
#include "platform/clock/SystemClock.h"
#include "platform/ini/IniFile.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/wordproc/HandOff.h"
#include "tests/composer/forms/DownGoingFixture.h"

#include <filesystem>

using namespace composer;

TEST_F(DownGoingDocument, WordAdministrativeStyleLandsInEverySlot) {
    automation::Document doc = produce(false, true);
    EXPECT_EQ(text(doc, 1), "机密★一年");
    EXPECT_EQ(text(doc, 2), "特  急");
    EXPECT_EQ(doc.Paragraphs().Item(1).Range().ParagraphFormat().alignment(), 2);
    EXPECT_EQ(doc.Paragraphs().Item(1).Range().Font().nameFarEast(), "黑体");
    EXPECT_EQ(text(doc, 7), "某府〔2026〕12号");
    EXPECT_EQ(doc.Paragraphs().Item(7).Range().ParagraphFormat().alignment(), 1);
    EXPECT_EQ(text(doc, 10), "关于做好冬季安全生产工作的通知");
    EXPECT_EQ(doc.Paragraphs().Item(10).Range().Font().size(), 22);
    EXPECT_EQ(text(doc, 11), "");
    EXPECT_EQ(text(doc, 12), "各区县人民政府：");
    EXPECT_EQ(text(doc, 13), "第一段。");
    EXPECT_EQ(text(doc, 14), "第二段。");
    EXPECT_EQ(text(doc, 15), "");
    EXPECT_EQ(text(doc, 16), "");
    EXPECT_EQ(text(doc, 17), "    附件：1．检查表");
    EXPECT_EQ(text(doc, 18), "          2．名单");
    EXPECT_EQ(text(doc, 21), "二○二六年十二月九日");
    EXPECT_EQ(text(doc, 22), "    （此件公开发布）");
    EXPECT_EQ(text(doc, 25), "主题词：安全生产 通知");
    EXPECT_EQ(text(doc, 26), "抄送：市委办公室。");
    EXPECT_EQ(text(doc, 27), "某某市人民政府办公室            " + std::string(" 2026年12月9日印发"));
    EXPECT_EQ(text(doc, 28), "（共印100份）");
    EXPECT_EQ(doc.Paragraphs().Item(28).Range().ParagraphFormat().alignment(), 2);
    automation::Shapes shapes = doc.Shapes();
    ASSERT_EQ(shapes.Count(), 3);
    EXPECT_EQ(shapes.Item(1).name(), "BTBX");
    EXPECT_EQ(shapes.Item(2).name(), "GWXH");
    EXPECT_EQ(shapes.Item(3).name(), "WJBT");
    automation::Range masthead = shapes.Item(3).TextFrame().TextRange();
    EXPECT_EQ(masthead.text().substr(0, masthead.text().find('\r')), "某某市人民政府文件");
    EXPECT_EQ(masthead.Font().color(), 255);
    EXPECT_EQ(masthead.Font().scaling(), 75);
}

TEST_F(DownGoingDocument, PartyStyleDatesInDigitsAndNamesTheStar) {
    automation::Document doc = produce(true, true);
    EXPECT_EQ(text(doc, 21), "某某市人民政府");
    EXPECT_EQ(text(doc, 22), "2026年12月9日");
    EXPECT_EQ(text(doc, 28), "某某市人民政府办公室" + std::string(16, ' ') + " 2026年12月9日印发");
    automation::Shapes shapes = doc.Shapes();
    ASSERT_EQ(shapes.Count(), 8);
    std::vector<std::string> names;
    for (int i = 1; i <= shapes.Count(); ++i)
        names.push_back(shapes.Item(i).name());
    EXPECT_EQ(names, (std::vector<std::string>{"BTBX", "GWXH", "Spacer3", "Spacer4", "Spacer5", "DANG1",
                                               "DANG2", "WJBT"}));
}

TEST_F(DownGoingDocument, WpsWithoutCopyToKeepsTheTemplateShapeNumbers) {
    profile("wwww", "wps");
    automation::Document doc = produce(false, false);
    EXPECT_EQ(text(doc, 25), "主题词：安全生产 通知");
    EXPECT_EQ(text(doc, 26), "某某市人民政府办公室            " + std::string(" 2026年12月9日印发"));
    EXPECT_EQ(text(doc, 27), "（共印100份）");
    automation::Shapes shapes = doc.Shapes();
    std::vector<std::string> names;
    for (int i = 1; i <= shapes.Count(); ++i)
        names.push_back(shapes.Item(i).name());
    // The line of no length drawn after the printing line comes last; the template's shapes keep their
    // numbers and their names.
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[0], "BTBX");
    EXPECT_EQ(names[1], "GWXH");
    EXPECT_EQ(names[4], "WJBT");
    automation::Range masthead = shapes.Item(5).TextFrame().TextRange();
    EXPECT_EQ(masthead.text().substr(0, masthead.text().find('\r')), "某某市人民政府文件");
    EXPECT_EQ(shapes.Item(6).width(), 0);
}

TEST_F(DownGoingDocument, WpsWithCopyToUsesTheTemplatesCopyToLine) {
    profile("wwww", "wps");
    automation::Document doc = produce(false, true);
    EXPECT_EQ(text(doc, 26), "抄送：市委办公室。");
    EXPECT_EQ(text(doc, 27), "  某某市人民政府办公室            " + std::string(" 2026年12月9日印发"));
    EXPECT_EQ(doc.Paragraphs().Item(27).Range().ParagraphFormat().alignment(), 0);
    EXPECT_EQ(text(doc, 28), "（共印100份）");
    EXPECT_EQ(doc.Paragraphs().Item(28).Range().ParagraphFormat().alignment(), 2);
    automation::Shapes shapes = doc.Shapes();
    EXPECT_EQ(shapes.Item(2).name(), "BTBX");
    EXPECT_EQ(shapes.Item(3).name(), "GWXH");
    EXPECT_EQ(shapes.Item(5).name(), "WJBT");
}

TEST_F(DownGoingDocument, ADocumentThatNoWordProcessorShowsIsNamedToTheUserAndTheFormStays) {
    std::vector<std::vector<std::string>> asked;
    shell::setProgramStarter([&](const std::vector<std::string>& argv) {
        asked.push_back(argv);
        return false;
    });
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Desktop);
    watchUnopenedDocuments();
    paths().TemplateFolder = DQX_BUILT_TEMPLATES;
    TForm2& form = ui::createForm<TForm2>(nullptr);
    user([&] { form.Button5.click(); });
    app->processMessages();
    wordproc::setUnopenedObserver({});
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
    shell::setProgramStarter({});

    ASSERT_EQ(drafts.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(drafts[0])) << "the document is kept";
    EXPECT_EQ(messages,
              std::vector<std::string>{"Test program: 无法启动文字处理程序，文档已保存在：\n" + drafts[0]})
        << "once, with the full path";
    EXPECT_EQ(asked, (std::vector<std::vector<std::string>>{{"xdg-open", drafts[0]},
                                                            {"libreoffice", "--writer", drafts[0]}}));
    EXPECT_EQ(form.windowState(), ui::WindowState::Normal) << "the user is not left without a window";
}

// The joint forms' Word copy reports a failure itself: the word processor keeps the half made document,
// which is handed over like a finished one, and the form is minimised.
TEST_F(DownGoingDocument, AJointFormHandsOverTheHalfMadeDocumentOfAFailedRun) {
    paths().TemplateFolder = DQX_BUILT_TEMPLATES;
    profile("btsize", "二号");
    TForm9& form = ui::createForm<TForm9>(nullptr);
    form.Edit10.setText("30");
    user([&] { form.Button5.click(); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("'二号' is not a valid integer value"), std::string::npos) << messages[0];
    EXPECT_EQ(form.windowState(), ui::WindowState::Minimised);
    ASSERT_EQ(drafts.size(), 1u);
    automation::Document doc = automation::CreateObject("word.Application").Documents().Open(drafts.back());
    // Filled from the printing block up to the title, whose size failed; nothing above it.
    EXPECT_EQ(text(doc, 17), "[此处输入文件标题]");
    EXPECT_EQ(text(doc, 14), "");
    EXPECT_EQ(doc.Tables().Item(1).Cell(1, 1).Range().text(), "\r\a");
    std::string printing = doc.Tables().Item(2).Cell(2, 1).Range().text();
    EXPECT_NE(printing.find("2026年12月9日印发\r（共印30份）"), std::string::npos) << printing;
}
