#include "platform/wordproc/HandOff.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/text/TextFile.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentText.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void releaseNewDocument(wordproc::Flavour flavour) {
    auto document = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                             wordproc::DocumentKind::New, flavour);
}

TEST(HandOff, SavesUnderTheFirstFreeNumberAndNeverOverwrites) {
    testsupport::TempFolder folder;
    folder.write("文档1.docx", "someone else's");
    folder.write("文档3.docx", "kept too");
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "A"), folder.file("文档2.docx"));
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "B"), folder.file("文档4.docx"));
    EXPECT_EQ(folder.read("文档1.docx"), "someone else's");
    EXPECT_EQ(folder.read("文档2.docx"), "A");
    EXPECT_EQ(folder.read("文档4.docx"), "B");
    // Nothing temporary stays behind.
    EXPECT_EQ(filesIn(folder.path()),
              (std::vector<std::string>{"文档1.docx", "文档2.docx", "文档3.docx", "文档4.docx"}));
    EXPECT_EQ(wordproc::saveDraft(folder.file("new/sub"), "C"), folder.file("new/sub/文档1.docx"));
}

TEST(HandOff, NumbersGoOnAfterTheLastDraftGiven) {
    testsupport::TempFolder folder;
    // A busy folder: the first draft looks at it once and takes the first free number.
    for (int n = 1; n <= 300; ++n) {
        if (n != 150)
            std::ofstream(folder.file("文档" + std::to_string(n) + ".docx"));
    }
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "A"), folder.file("文档150.docx"));
    // After that the number after the last one given comes first: a number freed below it stays free,
    // and a name that someone else took meanwhile is skipped.
    std::filesystem::remove(folder.file("文档7.docx"));
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "B"), folder.file("文档301.docx"));
    folder.write("文档302.docx", "made meanwhile");
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "C"), folder.file("文档303.docx"));
    EXPECT_EQ(folder.read("文档302.docx"), "made meanwhile");
    EXPECT_EQ(folder.read("文档303.docx"), "C");
    EXPECT_EQ(filesIn(folder.path()).size(), 302u) << "nothing temporary stays behind";
}

// Steps of saving a draft as the step observer sees them, the name tried given without its folder.
class DraftSteps {
public:
    explicit DraftSteps(std::function<void(wordproc::DraftStep, const std::string&)> also = {}) {
        wordproc::setDraftStepObserver([this, also](wordproc::DraftStep step, const std::string& path) {
            static const char* const names[] = {"written", "synced", "naming", "folder synced"};
            std::string line = names[static_cast<int>(step)];
            if (step == wordproc::DraftStep::Naming)
                line += " " + fs::path(path).filename().string();
            m_steps.push_back(line);
            if (also)
                also(step, path);
        });
    }
    ~DraftSteps() { wordproc::setDraftStepObserver({}); }
    DraftSteps(const DraftSteps&) = delete;
    DraftSteps& operator=(const DraftSteps&) = delete;

    std::vector<std::string>& steps() { return m_steps; }

private:
    std::vector<std::string> m_steps;
};

TEST(HandOff, ANameTakenBetweenLookingAndNamingIsLeftToItsMaker) {
    testsupport::TempFolder folder;
    DraftSteps steps([&](wordproc::DraftStep step, const std::string& path) {
        // Someone else makes the file of the first name tried, after the folder was looked at.
        if (step == wordproc::DraftStep::Naming && !fs::exists(folder.file("文档1.docx")))
            std::ofstream(path) << "someone else's";
    });
    EXPECT_EQ(wordproc::saveDraft(folder.path(), "A"), folder.file("文档2.docx"));
    EXPECT_EQ(steps.steps(), (std::vector<std::string>{"written", "synced", "naming 文档1.docx",
                                                       "naming 文档2.docx", "folder synced"}));
    EXPECT_EQ(folder.read("文档1.docx"), "someone else's");
    EXPECT_EQ(folder.read("文档2.docx"), "A");
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"文档1.docx", "文档2.docx"}));
}

TEST(HandOff, ADraftIsOnTheDiskWithItsNameBeforeAnyoneLearnsOfIt) {
    DraftSteps steps;
    wordproc::setHandOffObserver([&](const std::string& path) {
        steps.steps().push_back("handed over " + fs::path(path).filename().string());
    });
    releaseNewDocument(wordproc::Flavour::Word);
    wordproc::setHandOffObserver({});
    ASSERT_EQ(steps.steps().size(), 5u);
    const std::string name = steps.steps()[2].substr(std::string("naming ").size());
    EXPECT_EQ(steps.steps(), (std::vector<std::string>{"written", "synced", "naming " + name, "folder synced",
                                                       "handed over " + name}));
}

TEST(HandOff, AReleasedNewDocumentIsSavedAndReported) {
    wordproctest::HandOffRecorder recorder;
    {
        auto document = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                                 wordproc::DocumentKind::New, wordproc::Flavour::Word);
        wordproc::Span first = document->text().paragraph({}, 1);
        document->text().insertBefore(first, "交出的文字");
        EXPECT_TRUE(recorder.paths().empty());
    }
    std::string draft = recorder.onlyDraft();
    EXPECT_EQ(fs::path(draft).filename().string().substr(0, 6), "文档");
    auto back = wordproc::Document::load(draft, wordproc::DocumentKind::Opened, wordproc::Flavour::Word);
    EXPECT_EQ(back->text().text(back->text().paragraph({}, 1)), "交出的文字\r");
}

TEST(HandOff, AFailedRunStillHandsOverWhatWasMade) {
    wordproctest::HandOffRecorder recorder;
    try {
        auto document = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                                 wordproc::DocumentKind::New, wordproc::Flavour::Word);
        wordproc::Span first = document->text().paragraph({}, 1);
        document->text().insertBefore(first, "半成品");
        throw std::runtime_error("the run fails here");
    } catch (const std::runtime_error&) {
    }
    std::string draft = recorder.onlyDraft();
    auto back = wordproc::Document::load(draft, wordproc::DocumentKind::Opened, wordproc::Flavour::Word);
    EXPECT_EQ(back->text().text(back->text().paragraph({}, 1)), "半成品\r");
}

TEST(HandOff, OpenedClosedAndUnsavableDocumentsDoNotFailTheRelease) {
    wordproctest::HandOffRecorder recorder;
    {
        auto opened = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                               wordproc::DocumentKind::Opened, wordproc::Flavour::Word);
        auto closed = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                               wordproc::DocumentKind::New, wordproc::Flavour::Word);
        closed->close();
    }
    EXPECT_TRUE(recorder.paths().empty());

    testsupport::TempFolder folder;
    std::string blocker = folder.write("not-a-folder", "x");
    std::string kept = wordproc::draftsFolder();
    wordproc::setDraftsFolder(blocker + "/drafts");
    EXPECT_NO_THROW({
        auto document = wordproc::Document::load(wordproctest::builtTemplate("dqx0.dqx"),
                                                 wordproc::DocumentKind::New, wordproc::Flavour::Wps);
    });
    wordproc::setDraftsFolder(kept);
    EXPECT_TRUE(recorder.paths().empty());
}

// The desktop as a test sees it: every program that the hand-off starts is written down, and the
// programs named in `starting` start.
class StubDesktop {
public:
    explicit StubDesktop(std::vector<std::string> starting) : m_starting(std::move(starting)) {
        shell::setProgramStarter([this](const std::vector<std::string>& argv) {
            m_started.push_back(argv);
            return std::find(m_starting.begin(), m_starting.end(), argv.front()) != m_starting.end();
        });
        wordproc::setUnopenedObserver([this](const std::string& path) { m_unopened.push_back(path); });
        wordproc::setHandOffOpening(wordproc::HandOffOpening::Desktop);
    }
    ~StubDesktop() {
        wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);
        wordproc::setUnopenedObserver({});
        shell::setProgramStarter({});
    }
    StubDesktop(const StubDesktop&) = delete;
    StubDesktop& operator=(const StubDesktop&) = delete;

    // The programs that were asked, one line each: the argument vector joined by blanks.
    std::vector<std::string> asked() const {
        std::vector<std::string> lines;
        for (const auto& argv : m_started) {
            std::string line;
            for (const std::string& argument : argv)
                line += (line.empty() ? "" : " ") + argument;
            lines.push_back(line);
        }
        return lines;
    }
    const std::vector<std::string>& unopened() const { return m_unopened; }

private:
    std::vector<std::string> m_starting;
    std::vector<std::vector<std::string>> m_started;
    std::vector<std::string> m_unopened;
};

TEST(HandOff, OpensWithTheHostsProgramThenTheDesktopThenLibreOffice) {
    {
        wordproctest::HandOffRecorder recorder;
        StubDesktop desktop({"libreoffice"});
        releaseNewDocument(wordproc::Flavour::Wps);
        const std::string draft = recorder.onlyDraft();
        EXPECT_EQ(desktop.asked(), (std::vector<std::string>{"wps " + draft, "xdg-open " + draft,
                                                             "libreoffice --writer " + draft}));
        EXPECT_TRUE(desktop.unopened().empty());
    }
    {
        wordproctest::HandOffRecorder recorder;
        StubDesktop desktop({"xdg-open"});
        releaseNewDocument(wordproc::Flavour::Word);
        const std::string draft = recorder.onlyDraft();
        EXPECT_EQ(desktop.asked(), std::vector<std::string>{"xdg-open " + draft})
            << "Word documents go to the desktop's handler first, and the first that starts ends the search";
    }
}

TEST(HandOff, ADocumentThatNothingOpensIsReportedWithItsPathAndKept) {
    wordproctest::HandOffRecorder recorder;
    StubDesktop desktop({});
    releaseNewDocument(wordproc::Flavour::Word);
    const std::string draft = recorder.onlyDraft();
    EXPECT_EQ(desktop.asked().size(), 2u);
    EXPECT_EQ(desktop.unopened(), std::vector<std::string>{draft});
    EXPECT_TRUE(fs::is_regular_file(draft));
}

} // namespace
