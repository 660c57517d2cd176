#include "tests/platform/automation/RenderedPage.h"

#include "platform/text/TextFile.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace rendertest {

namespace {

double number(const std::string& tag, const std::string& attribute) {
    std::smatch match;
    std::regex pattern(attribute + "=\"([-0-9.]+)\"");
    return std::regex_search(tag, match, pattern) ? std::stod(match[1]) : 0.0;
}

int codePoints(const std::string& text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Reads the <page>, <line> and <word> elements of pdftotext's -bbox-layout output.
void readLayout(const std::string& xhtml, RenderedDocument& document) {
    std::regex element("<(page|line|word)([^>]*)>([^<]*)");
    int page = 0;
    RenderedLine* line = nullptr;
    for (std::sregex_iterator it(xhtml.begin(), xhtml.end(), element), end; it != end; ++it) {
        std::string name = (*it)[1];
        std::string attributes = (*it)[2];
        if (name == "page") {
            ++page;
            document.pageWidth = number(attributes, "width");
            document.pageHeight = number(attributes, "height");
            document.pageSizes.push_back({document.pageWidth, document.pageHeight});
        } else if (name == "line") {
            document.lines.push_back({page, number(attributes, "xMin"), number(attributes, "xMax"),
                                      number(attributes, "yMin"), number(attributes, "yMax"), "", 0});
            line = &document.lines.back();
        } else if (line) {
            line->text += (*it)[3];
            line->characters = codePoints(line->text);
        }
    }
    document.pages = page;
}

} // namespace

RenderedDocument render(const std::string& docx, const std::string& folder) {
    RenderedDocument document;
    std::string profile = "-env:UserInstallation=file://" + folder + "/libreoffice-profile";
    wordproctest::ProgramOutput converted = wordproctest::runCapturing(
        {"libreoffice", profile, "--headless", "--convert-to", "pdf", "--outdir", folder, docx});
    std::string pdf = folder + "/" + std::filesystem::path(docx).stem().string() + ".pdf";
    if (converted.exitCode != 0 || !std::filesystem::exists(pdf)) {
        document.problem = "LibreOffice did not convert " + docx + ": " + converted.output;
        return document;
    }
    document.pdf = pdf;
    std::string layout = folder + "/layout.html";
    wordproctest::ProgramOutput read = wordproctest::runCapturing({"pdftotext", "-bbox-layout", pdf, layout});
    if (read.exitCode != 0) {
        document.problem = "pdftotext failed: " + read.output;
        return document;
    }
    readLayout(text::readBinaryFile(layout), document);
    document.ok = document.pages > 0;
    if (!document.ok)
        document.problem = "the PDF has no pages";
    return document;
}

namespace {

// The lines of the page above (or in) its footer area, top to bottom.
std::vector<RenderedLine> linesOfPage(const RenderedDocument& document, int page, bool footer) {
    std::vector<RenderedLine> lines;
    double height = page >= 1 && page <= static_cast<int>(document.pageSizes.size())
                        ? document.pageSizes[static_cast<std::size_t>(page - 1)].height
                        : document.pageHeight;
    double footerArea = height - 30 * 72.0 / 25.4;
    for (const RenderedLine& line : document.lines) {
        if (line.page == page && (line.top >= footerArea) == footer)
            lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end(),
              [](const RenderedLine& a, const RenderedLine& b) { return a.top < b.top; });
    return lines;
}

} // namespace

std::vector<RenderedLine> bodyLines(const RenderedDocument& document, int page) {
    return linesOfPage(document, page, false);
}

std::vector<RenderedLine> footerLines(const RenderedDocument& document, int page) {
    return linesOfPage(document, page, true);
}

bool contains(const RenderedDocument& document, const std::string& text) {
    return lineWith(document, text).has_value();
}

std::optional<RenderedLine> lineWith(const RenderedDocument& document, const std::string& text) {
    std::optional<RenderedLine> found;
    for (const RenderedLine& line : document.lines) {
        if (line.text.find(text) != std::string::npos &&
            (!found || line.page < found->page || (line.page == found->page && line.top < found->top)))
            found = line;
    }
    return found;
}

} // namespace rendertest
