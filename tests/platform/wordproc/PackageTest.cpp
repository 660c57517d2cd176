#include "platform/wordproc/Package.h"
#include "platform/text/TextFile.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/ZipArchive.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using wordproc::Package;

namespace {

using wordproctest::messageOf;

TEST(ZipArchive, WritesTheSameBytesForTheSameEntriesInEveryTimeZone) {
    wordproc::ZipEntry first{"[Content_Types].xml", "<Types/>"};
    wordproc::ZipEntry second{"word/document.xml", std::string(5000, 'x')};
    std::string before = wordproc::writeZip({&first, &second}, wordproc::Compression::Small);
    testsupport::ScopedEnvironment zone("TZ", "Asia/Shanghai");
    ::tzset();
    std::string after = wordproc::writeZip({&first, &second}, wordproc::Compression::Small);
    ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(before, after);
    std::vector<wordproc::ZipEntry> back = wordproc::readZip(after, "test");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].name, "[Content_Types].xml");
    EXPECT_EQ(back[1].bytes, second.bytes);
}

TEST(Package, ReportsMissingUnreadableAndDamagedFilesByName) {
    testsupport::TempFolder folder;
    std::string missing = folder.file("无此模板.dqx");
    EXPECT_EQ(messageOf([&] { Package::readFile(missing); }), "无法打开文件“" + missing + "”：文件不存在。");

    std::string notZip = folder.write("dqx1.dqx", "This is a text file, not a package.");
    EXPECT_NE(messageOf([&] { Package::readFile(notZip); }).find("“" + notZip + "”：不是 OOXML 文档包"),
              std::string::npos);

    // A real package cut short, and one with a changed byte in a compressed entry.
    std::string good = wordproctest::readPart(wordproctest::builtTemplate("dqx0.dqx"), "word/document.xml");
    ASSERT_FALSE(good.empty());
    std::string bytes = text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx"));
    std::string cut = folder.write("cut.dqx", bytes.substr(0, bytes.size() / 2));
    EXPECT_NE(messageOf([&] { Package::readFile(cut); }).find("“" + cut + "”"), std::string::npos);
    std::string flipped = bytes;
    flipped[200] = static_cast<char>(flipped[200] ^ 0x5A);
    std::string damaged = folder.write("damaged.dqx", flipped);
    EXPECT_NE(messageOf([&] { Package::readFile(damaged); }).find("“" + damaged + "”"), std::string::npos);

    EXPECT_NE(messageOf([&] { Package::readFile(folder.path()); }).find("文件夹"), std::string::npos);
}

TEST(Package, AZipWithoutAWordDocumentIsRefused) {
    wordproc::ZipEntry types{
        "[Content_Types].xml",
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"};
    wordproc::ZipEntry rels{
        "_rels/.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>"};
    std::string bytes = wordproc::writeZip({&types, &rels}, wordproc::Compression::Fast);
    std::string message = messageOf([&] {
        wordproc::Document::fromBytes(bytes, "x.dqx", wordproc::DocumentKind::Opened,
                                      wordproc::Flavour::Word);
    });
    EXPECT_NE(message.find("不是 Word 文档"), std::string::npos);

    wordproc::ZipEntry other{"readme.txt", "hello"};
    std::string plain = wordproc::writeZip({&other}, wordproc::Compression::Fast);
    EXPECT_NE(messageOf([&] { Package::fromBytes(plain, "y.dqx"); }).find("不是 OOXML 文档包"),
              std::string::npos);
}

TEST(Package, ADocumentMadeFromATemplateIsSavedAsADocument) {
    testsupport::TempFolder folder;
    std::string source = wordproctest::builtTemplate("dqx0.dqx");
    Package package = Package::readFile(source);
    std::string types = *package.find("[Content_Types].xml");
    std::string documentType = "wordprocessingml.document.main+xml";
    std::string templateType = "wordprocessingml.template.main+xml";
    types.replace(types.find(documentType), documentType.size(), templateType);
    package.setPart("[Content_Types].xml", types);
    auto document = wordproc::Document::fromBytes(package.toBytes(wordproc::Compression::Fast), "dqx2a.dot",
                                                  wordproc::DocumentKind::Opened, wordproc::Flavour::Word);
    std::string saved = folder.file("saved.docx");
    document->saveAs(saved);
    std::string savedTypes = wordproctest::readPart(saved, "[Content_Types].xml");
    EXPECT_NE(savedTypes.find(documentType), std::string::npos);
    EXPECT_EQ(savedTypes.find(templateType), std::string::npos);
}

} // namespace
