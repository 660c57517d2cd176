#include "tests/platform/automation/PagedFixture.h"

#include "platform/wordproc/Package.h"

namespace pagedtest {

std::string chineseText(int count) {
    static const char* pieces[] = {"根", "据", "工", "作", "需", "要", "现", "将",
                                   "有", "关", "事", "项", "通", "知", "如", "下"};
    std::string text;
    for (int i = 0; i < count; ++i)
        text += pieces[i % 16];
    return text;
}

void turnToA4Landscape(const automation::PageSetup& page) {
    page.setOrientation(1);
    page.setTopMargin(cm(2.8f));
    page.setBottomMargin(cm(2.6f));
    page.setLeftMargin(cm(3.5f));
    page.setRightMargin(cm(3.7f));
    page.setPageWidth(cm(29.7f));
    page.setPageHeight(cm(21));
}

} // namespace pagedtest

PagedTest::PagedTest(const char* progId)
    : app(automation::CreateObject(progId)),
      doc(app.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"))), selection(app.Selection()) {}

void PagedTest::writeParagraphs(std::initializer_list<int> lengths) const {
    std::string text;
    for (int length : lengths)
        text += (text.empty() ? "" : "\r") + pagedtest::chineseText(length);
    doc.Paragraphs().Item(1).Range().InsertBefore(text);
    placeCursor(0);
}

std::string PagedTest::part(const std::string& name) const {
    return wordproctest::partOf(doc.engine()->toBytes(), name);
}

void PagedTest::expectValid() const {
    std::optional<std::string> schemas = wordproctest::schemaFolder();
    if (!schemas)
        GTEST_SKIP() << "The OOXML schemas are not in " << DQX_OOXML_SCHEMAS << ": parts are not validated.";
    wordproc::Package package = wordproc::Package::fromBytes(doc.engine()->toBytes(), "test");
    for (const std::string& name : package.partNames()) {
        if (name.starts_with("word/") && name.ends_with(".xml")) {
            EXPECT_EQ(wordproctest::schemaComplaint(*package.find(name), *schemas), "") << name;
        }
    }
}
