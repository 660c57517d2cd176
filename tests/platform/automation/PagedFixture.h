#pragma once
// A new document made from the blank template "dqx0" (tests/../templates/both/dqx0.xml): the official A4
// page with 22 lines of 28 characters, page numbers in odd and even footers, and one empty paragraph
// indented two characters. Text written into it fills pages as the layout model counts them.

#include "platform/automation/Automation.h"
#include "platform/wordproc/Document.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace pagedtest {

// `count` characters of body text.
std::string chineseText(int count);

// The points of a length in centimetres, as the add-in gives its lengths.
inline float cm(float centimetres) {
    return automation::CentimetersToPoints(centimetres);
}

// Turns a section into an A4 landscape page with the landscape margins (2.8, 2.6, 3.5, 3.7 cm): 15
// lines of 40 characters.
void turnToA4Landscape(const automation::PageSetup& page);

} // namespace pagedtest

class PagedTest : public ::testing::Test {
protected:
    explicit PagedTest(const char* progId = "word.Application");

    // Writes one paragraph for each length, of that many characters (each keeps the template's indent of
    // two characters), in place of the empty first paragraph.
    void writeParagraphs(std::initializer_list<int> lengths) const;
    // Places the insertion point at a position of the main text.
    void placeCursor(int position) const { doc.Range(position, position).Select(); }
    std::string part(const std::string& name) const;
    // Every XML part of the document that the schemas know, checked against them.
    void expectValid() const;

    wordproctest::HandOffRecorder recorder;
    automation::Application app;
    automation::Document doc;
    automation::Selection selection;
};

class WpsPagedTest : public PagedTest {
protected:
    WpsPagedTest() : PagedTest("wps.Application") {}
};
