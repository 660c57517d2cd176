// Templates are parsed once and kept while their file stays the same (TemplateCache.h); documents made
// from them must not tell the difference.
#include "platform/text/TextFile.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Package.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>

namespace {

using wordproc::Document;
using wordproc::DocumentKind;
using wordproc::Flavour;

std::shared_ptr<Document> newDocument(const std::string& path) {
    return Document::load(path, DocumentKind::New, Flavour::Word);
}

std::string firstParagraph(const std::shared_ptr<Document>& document) {
    std::string text = document->text().text(document->text().paragraph({}, 1));
    document->close();
    return text;
}

// The template's bytes with the first paragraph's text set.
std::string templateWithFirstParagraph(const std::string& templatePath, const std::string& text) {
    auto document = Document::load(templatePath, DocumentKind::Opened, Flavour::Word);
    wordproc::Span first = document->text().paragraph({}, 1);
    document->text().insertBefore(first, text);
    std::string bytes = document->toBytes(wordproc::Compression::Small);
    document->close();
    return bytes;
}

// Writes the bytes into the file itself (same inode), then puts its modification time back.
void rewriteInPlaceKeepingTheTime(const std::string& path, const std::string& bytes) {
    struct stat before {};
    ::stat(path.c_str(), &before);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

TEST(TemplateCache, ATemplateChangedOnDiskIsReadAgain) {
    testsupport::TempFolder folder;
    const std::string original = text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx"));
    const std::string path = folder.write("模板.dqx", original);
    const std::string first = templateWithFirstParagraph(path, "甲");
    const std::string second = templateWithFirstParagraph(path, "乙");
    ASSERT_EQ(first.size(), second.size());

    EXPECT_EQ(firstParagraph(newDocument(path)), "\r");
    EXPECT_EQ(firstParagraph(newDocument(path)), "\r") << "the kept parts serve again";
    text::writeBinaryFileAtomically(path, first); // another file put in its place
    EXPECT_EQ(firstParagraph(newDocument(path)), "甲\r");
    rewriteInPlaceKeepingTheTime(path, second); // same inode, size and modification time
    EXPECT_EQ(firstParagraph(newDocument(path)), "乙\r");
}

TEST(TemplateCache, ATemplateThatNoLongerReadsIsRefusedEveryTime) {
    testsupport::TempFolder folder;
    const std::string original = text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx"));
    const std::string path = folder.write("模板.dqx", original);
    newDocument(path)->close();
    text::writeBinaryFileAtomically(path, original.substr(0, original.size() / 2));
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_NE(wordproctest::messageOf([&] { newDocument(path); }).find("“" + path + "”"),
                  std::string::npos);
    std::filesystem::remove(path);
    EXPECT_EQ(wordproctest::messageOf([&] { newDocument(path); }),
              "无法打开文件“" + path + "”：文件不存在。");
    text::writeBinaryFileAtomically(path, original);
    EXPECT_EQ(firstParagraph(newDocument(path)), "\r");
}

TEST(TemplateCache, DocumentsFromOneTemplateShareNothingAndSaveAlike) {
    const std::string path = wordproctest::builtTemplate("dqx1.dqx");
    auto edited = newDocument(path);
    wordproc::Span first = edited->text().paragraph({}, 1);
    edited->text().insertBefore(first, "只在这一份里");
    auto untouched = newDocument(path);
    auto parsedAfresh =
        Document::fromBytes(text::readBinaryFile(path), path, DocumentKind::New, Flavour::Word);
    EXPECT_EQ(untouched->toBytes(), parsedAfresh->toBytes());
    EXPECT_NE(edited->toBytes(), untouched->toBytes());
    EXPECT_EQ(firstParagraph(newDocument(path)), "\r");
    for (const auto& document : {edited, untouched, parsedAfresh})
        document->close();
}

} // namespace
