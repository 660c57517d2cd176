#pragma once
// A document rendered to PDF by LibreOffice and read back with poppler's tools: page size, the lines of
// text with their boxes, the fonts that the text is set in and the black rules drawn across a page
// (points, from the page's top left corner).

#include "platform/shell/Shell.h"

#include <optional>
#include <string>
#include <vector>

namespace rendertest {

struct RenderedLine {
    int page = 0;
    double left = 0, right = 0, top = 0, bottom = 0;
    std::string text;   // the line's words, without the blanks between them
    int characters = 0; // characters of the text
};

struct PageSize {
    double width = 0, height = 0;
};

struct RenderedDocument {
    bool ok = false;
    std::string problem;
    std::string pdf;                      // the rendered file
    double pageWidth = 0, pageHeight = 0; // of the last page
    int pages = 0;
    std::vector<PageSize> pageSizes; // of every page, in order
    std::vector<RenderedLine> lines;
};

// Converts the .docx in `folder` (LibreOffice with a profile of its own there) and reads the PDF.
RenderedDocument render(const std::string& docx, const std::string& folder);

// The lines of the page above its footer area (the last 30 mm), top to bottom.
std::vector<RenderedLine> bodyLines(const RenderedDocument& document, int page);

// The lines of the page in its footer area (the last 30 mm), top to bottom.
std::vector<RenderedLine> footerLines(const RenderedDocument& document, int page);

// Whether the text stands on one line of the document.
bool contains(const RenderedDocument& document, const std::string& text);

// The topmost line that holds the text.
std::optional<RenderedLine> lineWith(const RenderedDocument& document, const std::string& text);

// A piece of text in one font, as pdftohtml reads the PDF.
struct SetText {
    int page = 0;
    double left = 0, top = 0;
    std::string text; // without blanks
    std::string font; // the embedded font's name without its subset tag, as "NotoSerifCJKjp-Black-VKana"
};
std::vector<SetText> textsWithFonts(const RenderedDocument& document);

// The font of the first piece of text that holds `text`, or "" when no piece holds it.
std::string fontOf(const std::vector<SetText>& texts, const std::string& text);

// The horizontal rules of a page in one ink that are at least `minLength` points long: the height of each
// (its middle), top to bottom. Red rules are not black and do not count as such; a double line is two
// rules where the gap between its lines shows.
enum class Ink { Black, Red };
std::vector<double> rules(const RenderedDocument& document, int page, double minLength, Ink ink);
std::vector<double> blackRules(const RenderedDocument& document, int page, double minLength);

} // namespace rendertest

// Skips the test where LibreOffice or poppler's tools are not installed.
#define REQUIRE_RENDERER()                                                                                   \
    if (shell::findProgram("libreoffice").empty() || shell::findProgram("pdftotext").empty())                \
    GTEST_SKIP() << "LibreOffice or poppler-utils is not installed: the rendering is not checked."
