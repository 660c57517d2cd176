#include "platform/wordproc/TemplateBuilder.h"
#include "platform/text/TextFile.h"
#include "platform/wordproc/Error.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <gtest/gtest.h>

namespace {

std::string source(const std::string& name) {
    return std::string(DQX_TEST_DATA) + "/wordproc/" + name + ".xml";
}

std::string buildError(const std::string& file) {
    try {
        wordproc::buildTemplate({wordproctest::commonFolder(), file});
    } catch (const wordproc::Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(TemplateBuilder, BuildsTheSameBytesEveryTime) {
    std::string blank = std::string(DQX_SOURCE_DIR) + "/templates/both/dqx0.xml";
    std::string first = wordproc::buildTemplate({wordproctest::commonFolder(), blank});
    std::string second = wordproc::buildTemplate({wordproctest::commonFolder(), blank});
    EXPECT_EQ(first, second);
    // The build step made the installed package with the same tool from the same sources.
    EXPECT_EQ(first, text::readBinaryFile(wordproctest::builtTemplate("dqx0.dqx")));
}

TEST(TemplateBuilder, ExpandsShortFormShapesAndNumbersThemInDocumentOrder) {
    std::string bytes = wordproc::buildTemplate({wordproctest::commonFolder(), source("slots")});
    wordproctest::HandOffRecorder recorder;
    std::string file = std::string(::testing::TempDir()) + "/slots.dqx";
    text::writeBinaryFileAtomically(file, bytes);
    std::string document = wordproctest::readPart(file, "word/document.xml");
    const char* names[] = {"mast", "rule", "copyno", "line5", "cellbox", "box17", "line20", "last"};
    std::size_t at = 0;
    for (int id = 1; id <= 8; ++id) {
        std::string docPr = "<wp:docPr id=\"" + std::to_string(id) + "\" name=\"" + names[id - 1] + "\"/>";
        std::size_t found = document.find(docPr, at);
        ASSERT_NE(found, std::string::npos) << docPr;
        at = found;
    }
    EXPECT_EQ(document.find("t:textbox"), std::string::npos);
    EXPECT_EQ(document.find("urn:brevaro"), std::string::npos);
    // Indentation is gone, blanks inside text stay.
    EXPECT_EQ(document.find("\n  "), std::string::npos);
    EXPECT_EQ(wordproctest::countOf(document, "<w:txbxContent>"), 5);
    EXPECT_NE(wordproctest::readPart(file, "word/_rels/document.xml.rels").find("Id=\"footer-odd\""),
              std::string::npos);
}

TEST(TemplateBuilder, ShapesStackAsWrittenUnlessTheyAskForAPlace) {
    std::string bytes = wordproc::buildTemplate({wordproctest::commonFolder(), source("stacking")});
    std::string document = wordproctest::partOf(bytes, "word/document.xml");
    // Each shape's relativeHeight stands before its docPr: the stack's base and its place.
    auto placeOf = [&](const std::string& name) {
        std::size_t docPr = document.find("name=\"" + name + "\"");
        std::size_t height = document.rfind("relativeHeight=\"", docPr);
        return std::stoll(document.substr(height + 16, 9)) - 251658240;
    };
    EXPECT_EQ(placeOf("top"), 9);
    EXPECT_EQ(placeOf("low"), 1);
    EXPECT_EQ(placeOf("behind"), 7);
    EXPECT_EQ(placeOf("mid"), 3);
    EXPECT_EQ(placeOf("plain"), 5) << "its number";
    EXPECT_EQ(document.find(" z=\""), std::string::npos);
    EXPECT_NE(document.find("behindDoc=\"1\""), std::string::npos);
}

TEST(TemplateBuilder, RefusesFaultySourcesWithTheFileAndTheFault) {
    struct Case {
        const char* name;
        const char* fault;
    } cases[] = {{"faulty/unknown-attribute", "不认识的属性“colour”"},
                 {"faulty/no-unit", "“0”不是长度"},
                 {"faulty/outside-paragraph", "须写在段落"},
                 {"faulty/unknown-part", "不存在的部件“header-missing”"},
                 {"faulty/malformed", "XML 格式错误"},
                 {"faulty/stack-level", "“top”不是叠放次序"},
                 {"faulty/shared-stack-level", "形状“a”和“b”的叠放次序相同"}};
    for (const Case& c : cases) {
        std::string message = buildError(source(c.name));
        EXPECT_NE(message.find(source(c.name)), std::string::npos) << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << message;
    }
}

} // namespace
