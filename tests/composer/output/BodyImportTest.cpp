// Importing the body of a document form from a file: text in either encoding, word-processor documents,
// and the failures that must leave the typed body as it was.

#include "composer/output/BodyImport.h"
#include "composer/output/DocConversion.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/shell/Shell.h"
#include "platform/text/Encoding.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "tests/platform/ui/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

using namespace composer;
using testsupport::TempFolder;

namespace {

class ImportForm : public ui::Form {
public:
    explicit ImportForm(ui::Form* owner)
        : ui::Form("ImportForm", owner), Memo2(add<ui::Memo>("Memo2")), Edit15(add<ui::Edit>("Edit15")),
          OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {}
    ui::Memo& Memo2;
    ui::Edit& Edit15;
    ui::OpenDialog& OpenDialog1;
};

// A .docx with the given paragraphs, written by the word processor.
std::string writeDocument(const TempFolder& dir, const std::string& name, const std::string& text) {
    automation::Document doc =
        automation::CreateObject("word.Application").Documents().Add(DQX_BUILT_TEMPLATES "/dqx0.dqx");
    doc.Paragraphs().Item(1).Range().InsertBefore(text);
    std::string path = dir.file(name);
    doc.SaveAs(path);
    doc.Close();
    return path;
}

} // namespace

class BodyImport : public HeadlessTest {
protected:
    ImportForm& form = ui::createForm<ImportForm>(nullptr);
    TempFolder dir;
    void importFile(const std::optional<std::string>& path) {
        headless->queueOpenAnswer(path);
        user([&] { ImportBodyText(form.OpenDialog1, form.Edit15, form.Memo2); });
    }
};

TEST_F(BodyImport, TextFilesInEitherEncodingReplaceTheBody) {
    form.Memo2.setText("旧正文");
    importFile(dir.write("a.TXT", text::utf8ToGb18030("第一段\r\n  第二段\r\n")));
    EXPECT_EQ(form.Memo2.lines(), (std::vector<std::string>{"第一段", "  第二段"}));
    EXPECT_EQ(form.Edit15.text(), dir.file("a.TXT"));
    importFile(dir.write("b.txt", "\xEF\xBB\xBF正文\n"));
    EXPECT_EQ(form.Memo2.lines(), (std::vector<std::string>{"正文"}));
    EXPECT_EQ(form.OpenDialog1.filter(), "Word文档|*.doc;*.docx|文本文档|*.txt|*.*|*.*");
    EXPECT_TRUE(form.OpenDialog1.options().fileMustExist);
}

TEST_F(BodyImport, DocumentParagraphsAreTrimmedAndLoseLeadingFullWidthBlanks) {
    std::string path = writeDocument(dir, "body.docx", "　　第一段。  \r\t第二段。\r");
    importFile(path);
    EXPECT_EQ(form.Memo2.lines(), (std::vector<std::string>{"第一段。", "第二段。"}));
    EXPECT_EQ(form.Edit15.text(), path);
}

TEST_F(BodyImport, ACancelledDialogChangesNothing) {
    form.Memo2.setText("正文");
    form.Edit15.setText("earlier.txt");
    importFile(std::nullopt);
    EXPECT_EQ(form.Memo2.text(), "正文");
    EXPECT_EQ(form.Edit15.text(), "earlier.txt");
}

TEST_F(BodyImport, AFileThatCannotBeReadLeavesTheTypedBodyAndShowsTheChosenFile) {
    form.Memo2.setText("正文");
    const std::string broken = dir.write("broken.docx", "not a package");
    importFile(broken);
    EXPECT_EQ(form.Memo2.text(), "正文");
    EXPECT_EQ(form.Edit15.text(), broken) << "the path shows before the read";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("broken.docx"), std::string::npos) << messages[0];
}

TEST_F(BodyImport, OldWordDocumentsAreConvertedByLibreOffice) {
    if (shell::findProgram("soffice").empty())
        GTEST_SKIP() << "LibreOffice is not installed";
    std::string docx = writeDocument(dir, "old.docx", "旧格式的正文\r");
    ASSERT_EQ(shell::runProgram({"soffice", "-env:UserInstallation=file://" + dir.file("profile"),
                                 "--headless", "--convert-to", "doc", "--outdir", dir.file("doc"), docx}),
              0);
    importFile(dir.file("doc/old.doc"));
    ASSERT_FALSE(form.Memo2.lines().empty()) << (messages.empty() ? "" : messages.back());
    EXPECT_EQ(form.Memo2.lines().front(), "旧格式的正文");
}

TEST(DocConversion, KnowsOldDocumentsByTheirExtension) {
    EXPECT_TRUE(isBinaryWordDocument("a.doc"));
    EXPECT_TRUE(isBinaryWordDocument("/x/通知.DOC"));
    EXPECT_FALSE(isBinaryWordDocument("a.docx"));
    EXPECT_FALSE(isBinaryWordDocument("doc"));
    EXPECT_EQ(lowerCaseExtension("/a.b/c.TxT"), ".txt");
    EXPECT_EQ(bodyLineOf(" \t　　正文　\r"), "正文　");
}
