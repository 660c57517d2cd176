// The down-going document as LibreOffice prints it here, with the template font rules of this source tree
// (tests/CMakeLists.txt): the faces of masthead, title, body and marks, and the printing block at the foot of
// the type area of the last page, for a short notice and for a body of two pages; the printing block of
// every other template that has one (joint forms, minutes, briefing, letter, speech, order) at the same
// place in a short document; the joint forms' masthead names on one line each and their signature block on
// one page; the letter's head, double lines and first page without number; the order's masthead.
// Skipped where LibreOffice or poppler's tools are not installed; the faces come with tools/setup/deps.sh.
#include "platform/shell/Shell.h"
#include "tests/composer/forms/DownGoingFixture.h"
#include "tests/platform/automation/RenderedPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using rendertest::RenderedDocument;

constexpr double Millimetre = 72.0 / 25.4;
constexpr double TypeAreaBottom = 841.89 - 35 * Millimetre; // A4, bottom margin 35 mm
constexpr double GridLine = 579 / 20.0;                     // one line of the document grid
constexpr double RuleLength = 0.9 * 156 * Millimetre;       // the block's rules span the 156 mm type area

bool has(const std::string& font, std::initializer_list<const char*> parts) {
    for (const char* part : parts)
        if (font.find(part) != std::string::npos)
            return true;
    return false;
}
// A heavy Song face (小标宋), a Song or FangSong face of ordinary weight, a Hei face. Noto's faces all print
// as "NotoSerifCJKjp-..." whichever language face was used: Serif or Sans and the weight are what counts.
bool heavySong(const std::string& font) {
    return has(font, {"Serif", "Song"}) && has(font, {"Black", "Bold", "Heavy", "XiaoBiao"});
}
bool plainSong(const std::string& font) {
    return has(font, {"Serif", "Song"}) && !heavySong(font);
}
bool hei(const std::string& font) {
    return has(font, {"Sans", "Hei"});
}

// Every table of cases below names its cases by their `name`.
template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// A paragraph that takes one line behind its two-character indent.
std::string oneLine(int n) {
    return "第" + std::to_string(n % 10) + "项工作按照统一部署认真落实并及时报告进展情况。";
}

class DownGoingRender : public DownGoingDocument {
protected:
    void SetUp() override {
        for (const char* program : {"libreoffice", "pdftotext", "pdftohtml", "pdftoppm"})
            if (shell::findProgram(program).empty())
                GTEST_SKIP() << program << " is not installed: the rendering is not checked.";
    }
    // The profile's word processor.
    void host(bool wps) { profile("wwww", wps ? "wps" : "word"); }
    RenderedDocument render(Style style, const DownGoingInput& input,
                            DocumentKind kind = DocumentKind::OneAuthority) {
        std::string document = m_out.file("notice.docx");
        std::filesystem::copy_file(produceFile(style, input, kind), document);
        return rendertest::render(document, m_out.path().string());
    }
    // The block's last rule lies on the bottom of the last page's type area and its subject line between
    // its rules; no line of that page runs into the block from above. The text named, where one is, stands
    // on that page above the block.
    static void expectBlockAtTheFoot(const RenderedDocument& pdf, const char* lastTextAbove = nullptr) {
        std::vector<double> rules = rendertest::blackRules(pdf, pdf.pages, RuleLength);
        ASSERT_GE(rules.size(), 2u) << "no printing block on page " << pdf.pages;
        EXPECT_NEAR(rules.back(), TypeAreaBottom, GridLine);
        std::optional<rendertest::RenderedLine> subject = rendertest::lineWith(pdf, "主题词：");
        ASSERT_TRUE(subject.has_value());
        EXPECT_EQ(subject->page, pdf.pages);
        EXPECT_GT(subject->top, rules.front());
        EXPECT_LT(subject->bottom, rules.back());
        for (const rendertest::RenderedLine& line : rendertest::bodyLines(pdf, pdf.pages)) {
            bool above = line.bottom < rules.front();
            // A line of the block starts under its first rule; its descent may reach into the rule under it.
            bool inside = line.top > rules.front() && line.top < rules.back();
            EXPECT_TRUE(above || inside) << line.text << " runs into the block";
        }
        if (!lastTextAbove)
            return;
        std::optional<rendertest::RenderedLine> above = rendertest::lineWith(pdf, lastTextAbove);
        ASSERT_TRUE(above.has_value()) << lastTextAbove;
        EXPECT_EQ(above->page, pdf.pages) << lastTextAbove;
        EXPECT_LT(above->bottom, rules.front()) << lastTextAbove;
    }

    testsupport::ScopedEnvironment m_fonts{"FONTCONFIG_FILE", DQX_TEST_FONTCONFIG};
    testsupport::TempFolder m_out;
};

TEST_F(DownGoingRender, AShortNoticeIsOnePageInTheTemplateFacesWithTheBlockAtItsFoot) {
    DownGoingInput input;
    input.body = "经研究，定于十二月三十日召开年终工作会议。";
    input.attachments = input.note = input.copies = "";
    RenderedDocument pdf = render(Style::Administrative, input);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    EXPECT_EQ(pdf.pages, 1);
    expectBlockAtTheFoot(pdf, "二○二六年十二月九日");

    std::vector<rendertest::SetText> texts = rendertest::textsWithFonts(pdf);
    const char* faces = " (the faces come with tools/setup/deps.sh, the names with platform/fonts)";
    EXPECT_PRED1(heavySong, rendertest::fontOf(texts, "某某市人民政府文件")) << "masthead" << faces;
    EXPECT_PRED1(heavySong, rendertest::fontOf(texts, "关于做好冬季安全生产工作的通知")) << "title" << faces;
    EXPECT_PRED1(plainSong, rendertest::fontOf(texts, "经研究")) << "body" << faces;
    EXPECT_PRED1(plainSong, rendertest::fontOf(texts, "各区县人民政府")) << "recipients" << faces;
    EXPECT_PRED1(hei, rendertest::fontOf(texts, "机密")) << "secrecy mark" << faces;
    EXPECT_PRED1(hei, rendertest::fontOf(texts, "主题词")) << "subject label" << faces;
}

struct Layout {
    const char* name;
    Style style;
    bool wps;
    const char* copyTo;
};

class DownGoingRenderOfTwoPages : public DownGoingRender, public ::testing::WithParamInterface<Layout> {};

TEST_P(DownGoingRenderOfTwoPages, PutsTheBlockAtTheFootOfTheSecondPage) {
    host(GetParam().wps);
    DownGoingInput input;
    input.copyTo = GetParam().copyTo;
    input.body.clear();
    for (int n = 1; n <= 13; ++n)
        input.body += oneLine(n) + "\r\n";
    input.body += "特此通知。";
    RenderedDocument pdf = render(GetParam().style, input);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    ASSERT_EQ(pdf.pages, 2);
    std::optional<rendertest::RenderedLine> end = rendertest::lineWith(pdf, "特此通知。");
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->page, 2) << "the body reaches the second page";
    expectBlockAtTheFoot(pdf, "（此件公开发布）");
}

INSTANTIATE_TEST_SUITE_P(Templates, DownGoingRenderOfTwoPages,
                         ::testing::Values(Layout{"WordAdministrative", Style::Administrative, false,
                                                  "市委办公室"},
                                           Layout{"WordParty", Style::Party, false, ""},
                                           Layout{"WpsAdministrative", Style::Administrative, true, ""},
                                           Layout{"WpsPartyWithCopyTo", Style::Party, true, "市委办公室"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every other template with a printing block, in each of its layouts: a short document (the fixture's
// input: a body of two lines, attachments and note where the form has them, 100 copies).
struct Kind {
    const char* name;
    DocumentKind kind;
    Style style;
    bool wps;
    const char* copyTo;
    // The joint forms' attachments, seals, date and note leave no room for the block on page 1, nor do the
    // letter's, under its taller head.
    int pages;
};

class ShortDocumentRender : public DownGoingRender, public ::testing::WithParamInterface<Kind> {};

TEST_P(ShortDocumentRender, PutsTheBlockAtTheFootOfTheLastPage) {
    host(GetParam().wps);
    DownGoingInput input;
    input.copyTo = GetParam().copyTo;
    RenderedDocument pdf = render(GetParam().style, input, GetParam().kind);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    EXPECT_EQ(pdf.pages, GetParam().pages);
    expectBlockAtTheFoot(pdf);
}

constexpr DocumentKind Two = DocumentKind::TwoAuthorities, Three = DocumentKind::ThreeOrMoreAuthorities;
constexpr Style Administrative = Style::Administrative, Party = Style::Party;

// In Word the copy-to line goes into the block's last cell above the printing line; WPS takes a template
// with a row of its own for it (dqx12b, dqx13b, dqx6b). The minutes, the briefing, the letter and the order
// have one template for both; the letter's block is one cell, the copy-to and copies lines split off it.
INSTANTIATE_TEST_SUITE_P(
    Templates, ShortDocumentRender,
    ::testing::Values(
        Kind{"TwoWordAdministrative", Two, Administrative, false, "市委办公室", 2},
        Kind{"TwoWordParty", Two, Party, false, "", 2},
        Kind{"TwoWpsAdministrativeWithCopyTo", Two, Administrative, true, "市委办公室", 2},
        Kind{"TwoWpsPartyWithCopyTo", Two, Party, true, "市委办公室", 2},
        Kind{"ThreeWordAdministrative", Three, Administrative, false, "市委办公室", 2},
        Kind{"ThreeWordParty", Three, Party, false, "", 2},
        Kind{"ThreeWpsAdministrativeWithCopyTo", Three, Administrative, true, "市委办公室", 2},
        Kind{"ThreeWpsPartyWithCopyTo", Three, Party, true, "市委办公室", 2},
        Kind{"MinutesWordAdministrative", DocumentKind::Minutes, Administrative, false, "市委办公室", 1},
        Kind{"MinutesWpsParty", DocumentKind::Minutes, Party, true, "", 1},
        Kind{"BriefingWordAdministrative", DocumentKind::Briefing, Administrative, false, "", 1},
        Kind{"BriefingWpsParty", DocumentKind::Briefing, Party, true, "", 1},
        Kind{"LetterWordAdministrative", DocumentKind::Letter, Administrative, false, "市委办公室", 2},
        Kind{"LetterWpsParty", DocumentKind::Letter, Party, true, "", 2},
        Kind{"SpeechWordAdministrative", DocumentKind::Speech, Administrative, false,
             "市委办公室\r\n市政协办公室", 1},
        Kind{"SpeechWpsAdministrative", DocumentKind::Speech, Administrative, true, "", 1},
        Kind{"SpeechWpsPartyWithCopyTo", DocumentKind::Speech, Party, true, "市委办公室\r\n市政协办公室", 1},
        Kind{"OrderWordAdministrative", DocumentKind::Order, Administrative, false, "", 1},
        Kind{"OrderWpsParty", DocumentKind::Order, Party, true, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// A short notice of two authorities, administrative style, with a printing block of two rows: the joint head
// leaves room for it on page 1, in both templates of the form.
TEST_F(DownGoingRender, AShortJointNoticeIsOnePage) {
    DownGoingInput input;
    input.body = "经研究，定于十二月三十日联合召开年终工作会议。";
    input.attachments = input.note = input.copies = "";
    for (bool wps : {false, true}) {
        SCOPED_TRACE(wps ? "WPS" : "Word");
        host(wps);
        RenderedDocument pdf = render(Style::Administrative, input, Two);
        ASSERT_TRUE(pdf.ok) << pdf.problem;
        EXPECT_EQ(pdf.pages, 1);
        expectBlockAtTheFoot(pdf, "二○二六年十二月九日");
        std::filesystem::remove(m_out.file("notice.docx"));
    }
}

// The joint masthead: a first name of 20 bytes, ten Chinese characters or nine and two letters, keeps one
// line of its cell at full width in the masthead's heavy Song face; a longer one, set at half width, too.
// In the administrative style the name stands nowhere else: a line that holds all of it, above the document
// number, is the masthead's first row unbroken. Each name begins with "中共", found nowhere else either.
struct Masthead {
    const char* name;
    DocumentKind kind;
    bool wps;
    const char* authority;
};

class JointMastheadRender : public DownGoingRender, public ::testing::WithParamInterface<Masthead> {};

TEST_P(JointMastheadRender, SetsTheFirstNameOnOneLine) {
    authority(GetParam().authority);
    host(GetParam().wps);
    RenderedDocument pdf = render(Style::Administrative, DownGoingInput{}, GetParam().kind);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    std::optional<rendertest::RenderedLine> name = rendertest::lineWith(pdf, GetParam().authority);
    std::optional<rendertest::RenderedLine> number = rendertest::lineWith(pdf, "某府〔2026〕12号");
    ASSERT_TRUE(number.has_value());
    ASSERT_TRUE(name.has_value()) << GetParam().authority << " is broken over two lines";
    EXPECT_EQ(name->page, 1);
    EXPECT_LT(name->bottom, number->top) << "the line is not the masthead's";
    EXPECT_PRED1(heavySong, rendertest::fontOf(rendertest::textsWithFonts(pdf), "中共"));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, JointMastheadRender,
    ::testing::Values(Masthead{"TwoWordMixedTwentyBytes", Two, false, "中共A市B区纪委办公室"},
                      Masthead{"ThreeWpsMixedTwentyBytes", Three, true, "中共A市B区纪委办公室"},
                      Masthead{"TwoWpsTenCharacters", Two, true, "中共某某市纪委办公厅"},
                      Masthead{"ThreeWordHalfWidth", Three, false, "中共A市BC区纪委办公室"}),
    [](const auto& info) { return std::string(info.param.name); });

// The signature block of the joint forms (the attachment note, the authorities' names or the rows of seal
// places, the date and the note) stands on one page, wherever the page would end: the slot paragraphs that
// the form splits keep with the next. Each body puts the end of page 1 into the block in templates that do
// not keep it together.
struct Signature {
    const char* name;
    DocumentKind kind;
    Style style;
    bool wps;
    int bodyLines;
    bool attachments;
    const char* above; // what the line above the date holds
};

// The lines of the text area of every page, in reading order.
std::vector<rendertest::RenderedLine> textLines(const RenderedDocument& pdf) {
    std::vector<rendertest::RenderedLine> lines;
    for (int page = 1; page <= pdf.pages; ++page) {
        std::vector<rendertest::RenderedLine> more = rendertest::bodyLines(pdf, page);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

class SignatureBlockRender : public DownGoingRender, public ::testing::WithParamInterface<Signature> {};

TEST_P(SignatureBlockRender, StandsOnOnePage) {
    const Signature& p = GetParam();
    host(p.wps);
    DownGoingInput input;
    input.copyTo = p.wps ? "市委办公室" : "";
    input.body.clear();
    for (int n = 1; n <= p.bodyLines; ++n)
        input.body += (n > 1 ? "\r\n" : "") + oneLine(n);
    if (!p.attachments)
        input.attachments.clear();
    RenderedDocument pdf = render(p.style, input, p.kind);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    expectBlockAtTheFoot(pdf);

    std::vector<rendertest::RenderedLine> lines = textLines(pdf);
    auto holding = [&](const std::string& text) {
        return std::find_if(lines.begin(), lines.end(), [&](const rendertest::RenderedLine& line) {
            return line.text.find(text) != std::string::npos;
        });
    };
    auto bodyEnd = holding(oneLine(p.bodyLines));
    auto date = holding(p.style == Style::Party ? "2026年12月9日" : "二○二六年十二月九日");
    auto note = holding("（此件公开发布）");
    ASSERT_TRUE(bodyEnd != lines.end() && date != lines.end() && note != lines.end());
    ASSERT_TRUE(bodyEnd < date && date < note);
    EXPECT_NE(date[-1].text.find(p.above), std::string::npos) << date[-1].text;
    EXPECT_EQ(date[-1].page, date->page) << "the line above the date: " << date[-1].text;
    for (auto line = bodyEnd + 1; line <= note; ++line)
        EXPECT_EQ(line->page, date->page) << line->text << " is not on the page of the date";
}

INSTANTIATE_TEST_SUITE_P(
    Templates, SignatureBlockRender,
    ::testing::Values(
        Signature{"TwoWordPartyShort", Two, Party, false, 1, false, "发文机关二"},
        Signature{"TwoWpsPartyWithAttachments", Two, Party, true, 1, true, "发文机关二"},
        Signature{"TwoWordAdministrativeWithAttachments", Two, Administrative, false, 4, true, "名单"},
        Signature{"ThreeWordAdministrative", Three, Administrative, false, 1, false, "发文机关"},
        Signature{"ThreeWpsPartyWithAttachments", Three, Party, true, 2, true, "发文机关"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The letter's head and foot on its first page only: the authority's name 30 mm under the top of the
// paper, a red double line as long as 170 mm under it and another 20 mm above the bottom edge, and no page
// number; the second page has its number and no red line. Lines of the body take 28 characters.
TEST_F(DownGoingRender, ALetterHasItsHeadAndDoubleLinesOnTheFirstPageOnly) {
    DownGoingInput input;
    const std::string paragraph =
        "为做好今年春季林业有害生物防治工作，拟于四月开展联合防治行动，请贵局予以支持。";
    input.body = paragraph + "\r\n" + paragraph + "\r\n" + paragraph + "\r\n" + paragraph;
    input.copyTo = "市农业农村局";
    for (bool wps : {false, true}) {
        SCOPED_TRACE(wps ? "WPS" : "Word");
        host(wps);
        RenderedDocument pdf = render(Style::Administrative, input, DocumentKind::Letter);
        ASSERT_TRUE(pdf.ok) << pdf.problem;
        ASSERT_EQ(pdf.pages, 2);
        std::optional<rendertest::RenderedLine> masthead = rendertest::lineWith(pdf, "某某市人民政府");
        ASSERT_TRUE(masthead.has_value());
        EXPECT_NEAR(masthead->top, 30 * Millimetre, 2 * Millimetre);
        // Each double line is two rules, about a millimetre apart.
        std::vector<double> red = rendertest::rules(pdf, 1, 165 * Millimetre, rendertest::Ink::Red);
        ASSERT_EQ(red.size(), 4u);
        EXPECT_NEAR(red[0], masthead->bottom, 4 * Millimetre) << "under the masthead";
        EXPECT_NEAR(red[1] - red[0], 1 * Millimetre, 0.5 * Millimetre);
        EXPECT_NEAR(red[3], 297 * Millimetre - 20 * Millimetre, 1 * Millimetre)
            << "20 mm above the bottom edge";
        EXPECT_NEAR(red[3] - red[2], 1 * Millimetre, 0.5 * Millimetre);
        EXPECT_TRUE(rendertest::rules(pdf, 2, 165 * Millimetre, rendertest::Ink::Red).empty());
        EXPECT_TRUE(rendertest::footerLines(pdf, 1).empty()) << "no page number on the first page";
        std::vector<rendertest::RenderedLine> foot = rendertest::footerLines(pdf, 2);
        ASSERT_EQ(foot.size(), 1u);
        EXPECT_EQ(foot[0].text, "—2—");
        for (const rendertest::RenderedLine& line : rendertest::bodyLines(pdf, 1)) {
            if (line.text.rfind("为做好", 0) == 0) {
                EXPECT_EQ(line.characters, 26) << "28 with the paragraph's indent: " << line.text;
            }
        }
        expectBlockAtTheFoot(pdf);
        std::filesystem::remove(m_out.file("notice.docx"));
    }
}

// The order: the authority's name and "令" 20 mm under the top of the type area (37 mm under the top of
// the paper), the order number two blank lines under it and the body two blank lines under the number.
TEST_F(DownGoingRender, AnOrdersMastheadStandsTwentyMillimetresIntoTheTypeArea) {
    DownGoingInput input;
    input.body = "《某某市城市绿化管理办法》已经市人民政府常务会议审议通过，现予公布，自公布之日起施行。";
    for (bool wps : {false, true}) {
        SCOPED_TRACE(wps ? "WPS" : "Word");
        host(wps);
        RenderedDocument pdf = render(Style::Administrative, input, DocumentKind::Order);
        ASSERT_TRUE(pdf.ok) << pdf.problem;
        std::optional<rendertest::RenderedLine> masthead = rendertest::lineWith(pdf, "某某市人民政府令");
        std::optional<rendertest::RenderedLine> number = rendertest::lineWith(pdf, "第12号");
        std::optional<rendertest::RenderedLine> body =
            rendertest::lineWith(pdf, "《某某市城市绿化管理办法》");
        ASSERT_TRUE(masthead && number && body);
        EXPECT_EQ(pdf.pages, 1);
        // A line's box begins a little above its ink.
        EXPECT_NEAR(masthead->top, (37 + 20 - 1.5) * Millimetre, 1.5 * Millimetre);
        EXPECT_NEAR(number->top - masthead->bottom, 2 * GridLine, GridLine / 2);
        EXPECT_NEAR(body->top - number->bottom, 2 * GridLine, GridLine / 2);
        expectBlockAtTheFoot(pdf, "二○二六年十二月九日");
        std::filesystem::remove(m_out.file("notice.docx"));
    }
}
