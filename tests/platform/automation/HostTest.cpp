#include "platform/automation/Automation.h"
#include "platform/text/TextFile.h"
#include "platform/wordproc/HandOff.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const automation::Error& error) {
        return error.what();
    }
    return "(no error)";
}

// Ends a running instance left by an earlier test in the same process.
void quitIfRunning(const char* progId) {
    try {
        automation::GetActiveObject(progId).Quit();
    } catch (const automation::Error&) {
    }
}

TEST(Host, AttachingFindsTheRunningInstanceWhateverTheLetterCase) {
    quitIfRunning("wps.Application");
    EXPECT_NE(failureOf([] { automation::GetActiveObject("wps.Application"); }), "(no error)");
    automation::Application started = automation::CreateObject("WPS.Application");
    started.setVisible(true);
    automation::Application attached = automation::GetActiveObject("wps.application");
    EXPECT_TRUE(attached.visible());
    started.setCaption("Brevaro");
    EXPECT_EQ(attached.caption(), "Brevaro") << "the caption of the one running instance";
    wordproctest::HandOffRecorder recorder;
    automation::Document first = started.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"));
    automation::Document second =
        automation::CreateObject("wps.Application").Documents().Add(wordproctest::builtTemplate("dqxhp.dqx"));
    EXPECT_EQ(attached.Documents().Count(), 2);
    EXPECT_EQ(attached.ActiveDocument().engine(), second.engine());
    EXPECT_NE(failureOf([] { automation::CreateObject("Excel.Application"); }).find("Excel.Application"),
              std::string::npos);
}

std::size_t draftCount() {
    std::error_code error;
    std::filesystem::directory_iterator files(wordproc::draftsFolder(), error);
    return error ? 0 : static_cast<std::size_t>(std::distance(files, std::filesystem::directory_iterator()));
}

TEST(Host, AMissingOrDamagedTemplateFailsWithItsNameAndLeavesNoDraft) {
    wordproctest::HandOffRecorder recorder;
    std::size_t draftsBefore = draftCount();
    testsupport::TempFolder folder;
    automation::Application word = automation::CreateObject("word.Application");
    std::string missing = folder.file("dqx1.dqx");
    EXPECT_EQ(failureOf([&] { word.Documents().Add(missing); }),
              "无法打开文件“" + missing + "”：文件不存在。");
    std::string empty = folder.write("dqx2.dqx", "");
    EXPECT_NE(failureOf([&] { word.Documents().Add(empty); }).find(empty), std::string::npos);
    std::string bytes = text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx"));
    std::string cut = folder.write("dqx3.dqx", bytes.substr(0, bytes.size() - 100));
    EXPECT_NE(failureOf([&] { word.Documents().Add(cut); }).find(cut), std::string::npos);
    EXPECT_TRUE(recorder.paths().empty());
    EXPECT_EQ(draftCount(), draftsBefore);
}

TEST(Host, OpenReadsAFileAndQuitEndsTheInstance) {
    wordproctest::HandOffRecorder recorder;
    testsupport::TempFolder folder;
    std::string body = wordproctest::buildTestTemplate(folder.path(), "slots", "body.docx");
    automation::Application reader = automation::CreateObject("Word.Application");
    automation::Document opened = reader.Documents().Open(body);
    EXPECT_EQ(opened.Paragraphs().Count(), 30);
    EXPECT_EQ(opened.Paragraphs().Item(2).Range().text(), "段2\r");
    reader.Quit();
    EXPECT_THROW(opened.Paragraphs(), automation::Error);
    EXPECT_THROW(reader.setCaption("Brevaro"), automation::Error);
    EXPECT_THROW(reader.Documents(), automation::Error);
    EXPECT_THROW(automation::GetActiveObject("word.Application"), automation::Error);
    EXPECT_EQ(automation::CreateObject("word.Application").Documents().Count(), 0);
    // Reading hands nothing over.
    EXPECT_TRUE(recorder.paths().empty());
}

TEST(Host, TheWindowNeedsADocumentAndOptionsReachTheDocuments) {
    quitIfRunning("word.Application");
    wordproctest::HandOffRecorder recorder;
    automation::Application word = automation::CreateObject("word.Application");
    EXPECT_THROW(word.ActiveWindow(), automation::Error);
    {
        automation::Document doc = word.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"));
        word.Options().setCheckSpellingAsYouType(false);
        word.Options().setCheckGrammarAsYouType(false);
        word.ActiveWindow().View().setTableGridlines(false);
        EXPECT_FALSE(word.ActiveWindow().View().tableGridlines());
    }
    std::string settings = wordproctest::readPart(recorder.onlyDraft(), "word/settings.xml");
    EXPECT_NE(settings.find("<w:zoom w:percent=\"100\"/><w:hideSpellingErrors/><w:hideGrammaticalErrors/>"),
              std::string::npos);
    // The released document is no longer the application's.
    EXPECT_EQ(word.Documents().Count(), 0);
}

} // namespace
