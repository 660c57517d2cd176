// Packages made to hurt a reader: every one is refused with a message naming the file and the reason,
// before it costs more than a bounded amount of memory, and never with a crash.
#include "platform/text/TextFile.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/Xml.h"
#include "platform/wordproc/ZipArchive.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/HostileInputs.h"

#include <gtest/gtest.h>

namespace {

using wordproctest::messageOf;

using hostile::Nesting;

std::string templateBytes() {
    return text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx"));
}

std::shared_ptr<wordproc::Document> open(const std::string& bytes) {
    return wordproc::Document::fromBytes(bytes, "hostile.dqx", wordproc::DocumentKind::New,
                                         wordproc::Flavour::Word);
}

std::string nested(const std::string& name, int levels) {
    std::string xml;
    for (int i = 0; i < levels; ++i)
        xml += "<" + name + ">";
    for (int i = 0; i < levels; ++i)
        xml += "</" + name + ">";
    return xml;
}

TEST(HostileXml, NestingIsAcceptedUpToTheLimitAndRefusedBeyondIt) {
    pugi::xml_document document;
    EXPECT_NO_THROW(wordproc::xml::parse(document, nested("a", wordproc::xml::MaxNestingDepth), "part"));
    EXPECT_EQ(messageOf([&] {
                  wordproc::xml::parse(document, nested("a", wordproc::xml::MaxNestingDepth + 1), "part");
              }),
              "part：XML 嵌套层次过深（超过 256 层）。");
    EXPECT_FALSE(document.first_child()) << "nothing of a refused part is kept";
    // Siblings cost no depth, and text and attributes none either.
    std::string wide = "<a>";
    for (int i = 0; i < 10000; ++i)
        wide += "<b x=\"1\">t</b>";
    EXPECT_NO_THROW(wordproc::xml::parse(document, wide + "</a>", "part"));
}

TEST(HostileXml, DeeplyNestedDocumentsAreRefusedByName) {
    const std::string base = templateBytes();
    for (auto [kind, levels] : {std::pair{Nesting::CustomXml, 100000}, std::pair{Nesting::Hyperlink, 100000},
                                std::pair{Nesting::Table, 30000}}) {
        SCOPED_TRACE(levels);
        std::string package = hostile::withDocumentPart(base, hostile::nestedDocumentXml(kind, levels));
        EXPECT_EQ(messageOf([&] { open(package); }),
                  "无法打开文件“hostile.dqx”：XML 嵌套层次过深（超过 256 层）。");
    }
}

// A document nested as deep as the limit allows still reads, edits and saves.
TEST(HostileXml, ADocumentNestedJustWithinTheLimitIsEdited) {
    for (auto [kind, levels] : {std::pair{Nesting::CustomXml, 240}, std::pair{Nesting::Hyperlink, 240},
                                std::pair{Nesting::Table, 80}}) {
        SCOPED_TRACE(levels);
        auto document =
            open(hostile::withDocumentPart(templateBytes(), hostile::nestedDocumentXml(kind, levels)));
        wordproc::DocumentText& text = document->text();
        wordproc::Span first = text.paragraph(wordproc::StoryId{}, 1);
        EXPECT_EQ(text.text(first).substr(0, 1), "x");
        text.insertBefore(first, "甲\r");
        EXPECT_EQ(text.text(text.paragraph(wordproc::StoryId{}, 2)).substr(0, 1), "x");
        auto again = open(document->toBytes());
        EXPECT_EQ(again->text().text(again->text().paragraph(wordproc::StoryId{}, 1)), "甲\r");
        document->close();
        again->close();
    }
}

TEST(HostileZip, APartWhoseHeadersClaimGigabytesIsRefusedBeforeItIsRead) {
    // 4.2 GB claimed by a few kilobytes: refused on the header, with nothing allocated for it.
    std::string package = hostile::claimedSizePackage(templateBytes(), 4200000000u);
    EXPECT_LT(package.size(), 64u * 1024);
    EXPECT_EQ(messageOf([&] { wordproc::readZip(package, "x.dqx"); }),
              "x.dqx：文档包过大（部件“word/media/image1.bin”解压后超过 64 MB）。");
}

TEST(HostileZip, APartThatInflatesBeyondItsHeadersIsDamaged) {
    std::string package = hostile::understatedSizePackage(templateBytes(), 1000, 8u << 20);
    EXPECT_EQ(messageOf([&] { wordproc::readZip(package, "x.dqx"); }),
              "x.dqx：文档包已损坏（部件“word/media/image1.bin”解压后比记录的大小长）。");
}

TEST(HostileZip, ThePackageAsAWholeIsBounded) {
    wordproc::ZipLimits limits{.partBytes = 1u << 20, .packageBytes = 3u << 20, .parts = 100};
    std::string within = hostile::inflationBomb(templateBytes(), 2, 1u << 20);
    EXPECT_EQ(wordproc::readZip(within, "x.dqx", limits).back().bytes, std::string(1u << 20, '\0'));
    std::string beyond = hostile::inflationBomb(templateBytes(), 4, 1u << 20);
    EXPECT_EQ(messageOf([&] { wordproc::readZip(beyond, "x.dqx", limits); }),
              "x.dqx：文档包过大（解压后超过 3 MB）。");
    limits.parts = 10;
    EXPECT_EQ(messageOf([&] { wordproc::readZip(within, "x.dqx", limits); }),
              "x.dqx：文档包里的部件过多（超过 10 个）。");
}

TEST(HostileZip, AFileBeyondThePackageLimitIsNotReadToTheEnd) {
    // A device that never ends stands for any file too large to be a package.
    EXPECT_EQ(messageOf([] { wordproc::Package::readFile("/dev/zero"); }),
              "无法打开文件“/dev/zero”：文件过大（超过 256 MB）。");
}

} // namespace
