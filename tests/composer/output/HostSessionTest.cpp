// The output procedure's steps around the word processor, on the embedded one.
#include "composer/output/HostSession.h"

#include "composer/core/ProcessPaths.h"
#include "platform/automation/Automation.h"
#include "platform/text/Convert.h"
#include "platform/text/TextFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessBackend.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class HostSessionTest : public ::testing::Test {
protected:
    HostSessionTest() {
        composer::paths().DataFolder = m_data.path().string();
        composer::paths().TemplateFolder = m_data.path().string();
        std::filesystem::copy_file(wordproctest::builtTemplate("dqx0.dqx"), m_data.file("dqx0.dqx"));
        for (const char* progId : {"word.Application", "wps.Application"}) {
            try {
                automation::GetActiveObject(progId).Quit();
            } catch (const automation::Error&) {
            }
        }
    }
    ~HostSessionTest() override { composer::paths() = composer::ProcessPaths(); }

    // Makes a document of the blank template with the layout steps, releases it and returns the draft.
    std::string produce(composer::HostKind host, const composer::AuthorityProfile& profile,
                        const composer::PageLayoutSteps& steps = {}) {
        composer::HostRun run;
        run.application = composer::AttachHost(host);
        run.document = composer::OpenTemplate(*run.application, "dqx0.dqx");
        composer::ApplyPageLayout(*run.application, *run.document, profile, host, steps);
        composer::ReleaseHost(run, m_form);
        return m_recorder.paths().empty() ? std::string() : m_recorder.paths().back();
    }

    testsupport::TempFolder m_data;
    wordproctest::HandOffRecorder m_recorder;
    ui::Application m_app{std::make_unique<ui::HeadlessBackend>()};
    ui::Form m_form{"TForm2", nullptr};
};

TEST_F(HostSessionTest, AttachingStartsTheHostOnceAndFindsItAfterwards) {
    automation::Application first = composer::AttachHost(composer::HostKind::Wps);
    EXPECT_TRUE(first.visible());
    automation::Document doc = composer::OpenTemplate(first, "dqx0.dqx");
    automation::Application again = composer::AttachHost(composer::HostKind::Wps);
    EXPECT_EQ(again.Documents().Count(), 1);
    EXPECT_EQ(composer::AttachHost(composer::HostKind::Word).Documents().Count(), 0);
    EXPECT_STREQ(composer::progIdOf(composer::HostKind::Word), "word.Application");
    EXPECT_STREQ(composer::progIdOf(composer::HostKind::Wps), "wps.Application");
}

TEST_F(HostSessionTest, AMissingTemplateNamesItsPath) {
    automation::Application word = composer::AttachHost(composer::HostKind::Word);
    try {
        composer::OpenTemplate(word, "dqx1.dqx");
        FAIL() << "no error";
    } catch (const automation::Error& error) {
        EXPECT_NE(std::string(error.what()).find(m_data.file("dqx1.dqx")), std::string::npos) << error.what();
    }
    EXPECT_TRUE(m_recorder.paths().empty());
}

TEST_F(HostSessionTest, TheProfilesLayoutReachesTheDocument) {
    composer::AuthorityProfile profile;
    profile.zwzt = "仿宋";
    profile.zwsize = "14";
    std::string draft = produce(composer::HostKind::Word, profile);
    EXPECT_EQ(draft, m_data.file("drafts/文档1.docx"));
    EXPECT_EQ(m_form.windowState(), ui::WindowState::Minimised);
    std::string document = wordproctest::readPart(draft, "word/document.xml");
    EXPECT_NE(document.find("<w:pgMar w:top=\"2098\" w:right=\"1474\" w:bottom=\"1984\" w:left=\"1587\""),
              std::string::npos);
    std::string styles = wordproctest::readPart(draft, "word/styles.xml");
    EXPECT_NE(
        styles.find(
            "w:eastAsia=\"仿宋\" w:hAnsi=\"Times New Roman\"/><w:spacing w:val=\"35\"/><w:sz w:val=\"28\"/>"),
        std::string::npos);
    std::string settings = wordproctest::readPart(draft, "word/settings.xml");
    EXPECT_NE(settings.find("<w:hideSpellingErrors/><w:hideGrammaticalErrors/>"), std::string::npos);
}

TEST_F(HostSessionTest, WpsSkipsTheProofingOptionsAndFormsMayOmitSteps) {
    composer::AuthorityProfile profile;
    profile.top = "20";
    profile.zwsize = "14";
    composer::PageLayoutSteps noGrid;
    noGrid.charsLine = false;
    std::string draft = produce(composer::HostKind::Wps, profile, noGrid);
    EXPECT_EQ(wordproctest::readPart(draft, "word/settings.xml").find("hideSpellingErrors"),
              std::string::npos);
    EXPECT_NE(wordproctest::readPart(draft, "word/document.xml").find("<w:pgMar w:top=\"1134\""),
              std::string::npos);
    // Without CharsLine the template's spacing for 16 pt stays.
    EXPECT_NE(wordproctest::readPart(draft, "word/styles.xml")
                  .find("<w:spacing w:val=\"-5\"/><w:sz w:val=\"28\"/>"),
              std::string::npos);
}

TEST_F(HostSessionTest, TheIncomingSlipsStepsKeepTheTemplatesPageAndCheckNoSpellingInWps) {
    composer::AuthorityProfile profile;
    profile.top = "20";
    profile.zwsize = "14";
    composer::PageLayoutSteps slip;
    slip.spellingCheckOffInWps = true;
    slip.grammarCheckOff = slip.margins = slip.bodyStyle = slip.charsLine = false;
    std::string draft = produce(composer::HostKind::Wps, profile, slip);
    std::string settings = wordproctest::readPart(draft, "word/settings.xml");
    EXPECT_NE(settings.find("<w:hideSpellingErrors/>"), std::string::npos);
    EXPECT_EQ(settings.find("hideGrammaticalErrors"), std::string::npos);
    EXPECT_NE(wordproctest::readPart(draft, "word/document.xml").find("<w:pgMar w:top=\"2098\""),
              std::string::npos);
    EXPECT_NE(wordproctest::readPart(draft, "word/styles.xml")
                  .find("<w:spacing w:val=\"-5\"/><w:sz w:val=\"32\"/>"),
              std::string::npos);
}

TEST_F(HostSessionTest, AMarginThatIsNoNumberStopsTheRunAtItsConversion) {
    composer::AuthorityProfile profile;
    profile.foot = "三十五";
    composer::HostRun run;
    run.application = composer::AttachHost(composer::HostKind::Word);
    run.document = composer::OpenTemplate(*run.application, "dqx0.dqx");
    EXPECT_THROW(
        composer::ApplyPageLayout(*run.application, *run.document, profile, composer::HostKind::Word),
        text::ConvertError);
    // The half-made document is handed over all the same when the run lets go.
    run = composer::HostRun();
    ASSERT_EQ(m_recorder.paths().size(), 1u);
    EXPECT_NE(
        wordproctest::readPart(m_recorder.paths()[0], "word/document.xml").find("<w:pgMar w:top=\"2098\""),
        std::string::npos);
}

} // namespace
