// The fontconfig rules for the template fonts, asked through fontconfig's own tools as the word
// processors ask: which face each name the documents use gets, and that a face of the name itself wins.
#include "platform/fonts/FontRules.h"
#include "platform/shell/Shell.h"
#include "platform/text/TextFile.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

using testsupport::ScopedEnvironment;

// The family and style of the face that fontconfig gives for the name, "family|style".
std::string faceFor(const std::string& name) {
    wordproctest::ProgramOutput match =
        wordproctest::runCapturing({"fc-match", "-f", "%{family[0]}|%{style[0]}", name});
    return match.exitCode == 0 ? match.output : "fc-match failed: " + match.output;
}

// The folder of the file that holds the family's regular face.
std::string folderOf(const std::string& family) {
    wordproctest::ProgramOutput file = wordproctest::runCapturing({"fc-match", "-f", "%{file}", family});
    return std::filesystem::path(file.output).parent_path().string();
}

class FontRules : public ::testing::Test {
protected:
    void SetUp() override {
        if (shell::findProgram("fc-match").empty())
            GTEST_SKIP() << "fontconfig's tools are not installed.";
    }
};

} // namespace

TEST(FontRulesFile, HoldsOneRuleForEachRuledFamily) {
    std::string rules = text::readBinaryFile(DQX_FONT_RULES);
    std::regex rule(R"(<test qual="first" name="family"><string>([^<]*)</string></test>)");
    std::vector<std::string> names;
    for (std::sregex_iterator it(rules.begin(), rules.end(), rule), end; it != end; ++it)
        names.push_back((*it)[1]);
    EXPECT_EQ(names, fonts::ruledFamilies());
}

TEST_F(FontRules, GiveEachNameOfTheDocumentsItsFace) {
    ScopedEnvironment config("FONTCONFIG_FILE", DQX_TEST_FONTCONFIG);
    const std::pair<const char*, const char*> faces[] = {
        {"标准公文_小标宋", "Noto Serif CJK SC|Black"}, {"小标宋", "Noto Serif CJK SC|Black"},
        {"标准公文_仿宋", "Noto Serif CJK SC|Regular"}, {"仿宋", "Noto Serif CJK SC|Regular"},
        {"仿宋_GB2312", "Noto Serif CJK SC|Regular"},   {"宋体", "Noto Serif CJK SC|Regular"},
        {"黑体", "Noto Sans CJK SC|Regular"},           {"楷体", "AR PL KaitiM GB|Regular"},
        {"楷体_GB2312", "AR PL KaitiM GB|Regular"}};
    for (auto [name, face] : faces)
        EXPECT_EQ(faceFor(name), face) << name << " (the faces come with tools/setup/deps.sh)";
    // Whatever language the request names, the text gets the simplified forms.
    wordproctest::ProgramOutput pattern =
        wordproctest::runCapturing({"fc-pattern", "-c", "-d", "-f", "%{lang}", "标准公文_仿宋:lang=ja"});
    EXPECT_EQ(pattern.output, "zh-cn");
    // Names that no rule holds are left alone.
    EXPECT_EQ(faceFor("DejaVu Sans"), "DejaVu Sans|Book");
}

TEST_F(FontRules, PreferAFaceThatBearsTheNameItself) {
    // A machine with a face named 仿宋: here the KaitiM face, renamed as fontconfig scans it into a cache of
    // the test's own.
    testsupport::TempFolder folder;
    std::string kai = folderOf("AR PL KaitiM GB");
    std::string noto = folderOf("Noto Serif CJK SC");
    ASSERT_FALSE(kai.empty() || noto.empty()) << "the faces come with tools/setup/deps.sh";
    std::string config = folder.write("fonts.conf", R"(<?xml version="1.0"?>
<fontconfig>
  <dir>)" + kai + "</dir><dir>" + noto + "</dir><cachedir>" +
                                                        folder.file("cache") + R"(</cachedir>
  <match target="scan">
    <test name="family"><string>AR PL KaitiM GB</string></test>
    <edit name="family" mode="assign_replace"><string>仿宋</string></edit>
  </match>
  <include>)" + std::string(DQX_FONT_RULES) + R"(</include>
</fontconfig>
)");
    ScopedEnvironment machine("FONTCONFIG_FILE", config);
    EXPECT_EQ(faceFor("仿宋"), "仿宋|Regular");
    EXPECT_EQ(faceFor("标准公文_仿宋"), "仿宋|Regular");
    EXPECT_EQ(faceFor("仿宋_GB2312"), "仿宋|Regular");
    EXPECT_EQ(faceFor("宋体"), "Noto Serif CJK SC|Regular");
}
