// Packages made to hurt a reader: every one is refused with a message naming the file and the reason,
// before it costs more than a bounded amount of memory, and never with a crash.
#include "platform/text/TextFile.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentShapes.h"
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

TEST(HostileXml, AWidePartIsRefusedBeforeItsTreeOutgrowsTheMemoryAllowed) {
    pugi::xml_document document;
    std::string wide = hostile::wideDocumentXml(100000);
    EXPECT_EQ(messageOf([&] { wordproc::xml::parse(document, wide, "part", 1u << 20); }),
              "part：XML 部件过大（解析需要超过 1 MB 内存）。");
    EXPECT_FALSE(document.first_child());
    EXPECT_NO_THROW(wordproc::xml::parse(document, wide, "part", 64u << 20));
    EXPECT_EQ(document.child("w:document").child("w:body").select_nodes("w:p").size(), 100001u);
    // The allowance holds for the parse only: the tree grows as edits need.
    for (int i = 0; i < 100000; ++i)
        document.child("w:document").child("w:body").append_child("w:p");
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

// Text that a comment, a processing instruction or a CDATA section splits is one text, when read and
// after saving alike.
TEST(HostileXml, TextSplitByMarkupIsReadWhole) {
    std::string xml = hostile::nestedDocumentXml(Nesting::CustomXml, 1);
    xml.replace(xml.find("<w:body>"), 8,
                "<w:body><w:p><w:r><w:t>甲<!-- 注 -->乙<?pi x?><![CDATA[丙]]>丁</w:t></w:r></w:p>");
    auto document = open(hostile::withDocumentPart(templateBytes(), xml));
    wordproc::DocumentText& text = document->text();
    EXPECT_EQ(text.text(text.paragraph(wordproc::StoryId{}, 1)), "甲乙丙丁\r");
    auto saved = open(document->toBytes());
    EXPECT_EQ(saved->text().text(saved->text().paragraph(wordproc::StoryId{}, 1)), "甲乙丙丁\r");
    document->close();
    saved->close();
}

// Drawing ids are 32-bit in the file; one beyond that is renumbered as a missing or taken one is.
TEST(HostileXml, DrawingIdsBeyondTheirRangeAreRenumbered) {
    std::string anchor = "<w:r><w:drawing><wp:anchor><wp:docPr id=\"9223372036854775807\" name=\"x\"/>"
                         "</wp:anchor></w:drawing></w:r>";
    std::string xml = hostile::nestedDocumentXml(Nesting::CustomXml, 1);
    xml.replace(xml.find("<w:body>"), 8, "<w:body><w:p>" + anchor + anchor + "</w:p>");
    xml.replace(
        xml.find("<w:document "), 12,
        "<w:document xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" ");
    auto document = open(hostile::withDocumentPart(templateBytes(), xml));
    wordproc::DocumentShapes& shapes = document->shapes();
    ASSERT_EQ(shapes.count(), 2);
    EXPECT_EQ(shapes.idAt(1), 1);
    EXPECT_EQ(shapes.idAt(2), 2);
    EXPECT_EQ(shapes.addLine(0, 0, 100, 0, nullptr), 3);
    document->close();
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
