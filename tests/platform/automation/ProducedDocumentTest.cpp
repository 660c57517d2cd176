#include "platform/automation/Automation.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentShapes.h"
#include "platform/wordproc/DocumentText.h"
#include "tests/platform/automation/ProducedDocuments.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

void expectValid(const std::string& package) {
    std::optional<std::string> schemas = wordproctest::schemaFolder();
    if (!schemas)
        GTEST_SKIP() << "The OOXML schemas are not in " << DQX_OOXML_SCHEMAS
                     << ": produced parts are not validated.";
    for (const char* part : {"word/document.xml", "word/styles.xml", "word/settings.xml",
                             "word/fontTable.xml", "word/footer-odd.xml", "word/footer-even.xml"}) {
        std::string xml = wordproctest::readPart(package, part);
        if (xml.empty())
            continue;
        EXPECT_EQ(wordproctest::schemaComplaint(xml, *schemas), "") << part << " of " << package;
    }
}

TEST(ProducedDocument, AFilledTemplateReadsBackAndValidates) {
    wordproctest::HandOffRecorder recorder;
    testsupport::TempFolder folder;
    std::string source = wordproctest::buildTestTemplate(folder.path(), "slots", "slots.dqx");
    producedtest::produceFilledDocument("word.Application", source);
    std::string draft = recorder.onlyDraft();

    auto back = wordproc::Document::load(draft, wordproc::DocumentKind::Opened, wordproc::Flavour::Word);
    wordproc::DocumentText& text = back->text();
    EXPECT_EQ(text.paragraphCount({}), 38);
    EXPECT_EQ(text.text(text.paragraph({}, 2)), "机密★一年段2\r");
    EXPECT_EQ(text.text(text.paragraph({}, 10)), "某机关〔2026〕12号段10\r");
    // The label formatted by its offsets while the paragraphs above it were the template's.
    // Six paragraphs came in above it afterwards and the table lost one.
    wordproc::Span subject = text.paragraph({}, 34);
    EXPECT_EQ(text.text(subject), "主题词：公文 通知段28\r");
    EXPECT_EQ(text.charFormat({{}, subject.start + 3, subject.start + 4}).name, "黑体");
    EXPECT_EQ(text.charFormat({{}, subject.start + 4, subject.start + 5}).name, "标准公文_小标宋");
    EXPECT_EQ(back->shapes().name(back->shapes().idAt(1)), "WJBT");
    EXPECT_EQ(text.text(text.story(back->shapes().textFrame(back->shapes().idAt(1)))),
              "某某市人民政府文件\r");
    expectValid(draft);
}

TEST(ProducedDocument, BlankTemplatesWithThePageLayoutValidate) {
    wordproctest::HandOffRecorder recorder;
    producedtest::produceBlankDocument("wps.Application", wordproctest::builtTemplate("dqx0.dqx"), "");
    producedtest::produceBlankDocument("word.Application", wordproctest::builtTemplate("dqxhp.dqx"), "");
    ASSERT_EQ(recorder.paths().size(), 2u);
    for (const std::string& draft : recorder.paths())
        expectValid(draft);
    expectValid(wordproctest::builtTemplate("dqx0.dqx"));
    expectValid(wordproctest::builtTemplate("dqxhp.dqx"));
}

} // namespace
