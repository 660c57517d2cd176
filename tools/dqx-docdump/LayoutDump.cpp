#include "tools/dqx-docdump/LayoutDump.h"

#include "platform/automation/Automation.h"

#include <iomanip>
#include <sstream>
#include <string>

namespace docdump {

namespace {

constexpr int AdjustedPageNumber = 1;
constexpr int SectionNumber = 2;
constexpr int PageNumber = 3;

std::string cm(float points) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2) << points / 72.0 * 2.54;
    return out.str();
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// The page (counted from the first) and the number it shows, where the selection stands.
std::string pageAt(const automation::Selection& selection) {
    return std::to_string(selection.Information(PageNumber)) + " (shows " +
           std::to_string(selection.Information(AdjustedPageNumber)) + ")";
}

int paragraphAt(const automation::Document& doc, int position) {
    automation::Paragraphs paragraphs = doc.Paragraphs();
    for (int i = paragraphs.Count(); i >= 1; --i) {
        if (paragraphs.Item(i).Range().start() <= position)
            return i;
    }
    return 1;
}

void dumpSection(const automation::Document& doc, int index, std::ostream& out) {
    automation::Section section = doc.Sections().Item(index);
    automation::PageSetup page = section.PageSetup();
    automation::Range range = section.Range();
    automation::Selection selection = doc.ActiveWindow().Selection();
    out << "section " << index << ": " << (page.orientation() == 1 ? "landscape " : "portrait ")
        << cm(page.pageWidth()) << " x " << cm(page.pageHeight()) << ", margins " << cm(page.topMargin())
        << ' ' << cm(page.bottomMargin()) << ' ' << cm(page.leftMargin()) << ' ' << cm(page.rightMargin())
        << ", gutter " << cm(page.gutter()) << ", header " << cm(page.headerDistance()) << ", footer "
        << cm(page.footerDistance()) << '\n';
    doc.Range(range.start(), range.start()).Select();
    out << "  paragraphs " << paragraphAt(doc, range.start()) << '-' << paragraphAt(doc, range.end() - 1)
        << ", first page " << pageAt(selection);
    doc.Range(range.end() - 1, range.end()).Select();
    out << ", last page " << pageAt(selection) << '\n';
    automation::HeaderFooter footer = section.Footers().Item(1);
    automation::PageNumbers numbers = footer.PageNumbers();
    out << "  footer " << (footer.linkToPrevious() ? "linked" : "own") << ", page numbers " << numbers.Count()
        << ", first page numbered " << yesNo(numbers.showFirstPageNumber()) << ", different first page "
        << yesNo(page.differentFirstPageHeaderFooter()) << '\n';
}

// Line spacing that is not a multiple of the grid: the title lines of landscape pages have it.
void dumpLineSpacing(const automation::Document& doc, std::ostream& out) {
    constexpr int AtLeast = 3;
    constexpr int Exactly = 4;
    automation::Paragraphs paragraphs = doc.Paragraphs();
    for (int i = 1; i <= paragraphs.Count(); ++i) {
        automation::ParagraphFormat format = paragraphs.Item(i).Range().ParagraphFormat();
        int rule = format.lineSpacingRule();
        if (rule == AtLeast || rule == Exactly)
            out << 'P' << i << (rule == Exactly ? " exactly " : " at least ") << format.lineSpacing()
                << " pt\n";
    }
}

const char* measuredFrom(int relative) {
    switch (relative) {
    case 0:
        return "margin";
    case 1:
        return "page";
    default:
        return "text";
    }
}

const char* direction(int orientation) {
    static const char* const names[] = {"?",        "horizontal",          "upward",
                                        "downward", "vertical East Asian", "vertical"};
    return orientation >= 1 && orientation <= 5 ? names[orientation] : "?";
}

void dumpShape(const automation::Document& doc, int index, std::ostream& out) {
    automation::Shape shape = doc.Shapes().Item(index);
    automation::Selection selection = doc.ActiveWindow().Selection();
    shape.Select();
    out << "shape " << index << ' ' << shape.name() << ": section " << selection.Information(SectionNumber)
        << ", page " << pageAt(selection) << ", from " << measuredFrom(shape.relativeHorizontalPosition())
        << '/' << measuredFrom(shape.relativeVerticalPosition()) << " at " << cm(shape.left()) << ' '
        << cm(shape.top()) << ", size " << cm(shape.width()) << " x " << cm(shape.height());
    try {
        automation::TextFrame frame = shape.TextFrame();
        automation::Range text = frame.TextRange();
        out << ", text " << direction(text.orientation()) << " in " << text.Font().nameAscii() << ", insets "
            << cm(frame.marginLeft()) << ' ' << cm(frame.marginRight()) << ' ' << cm(frame.marginTop()) << ' '
            << cm(frame.marginBottom());
    } catch (const automation::Error&) {
        // A line holds no text.
    }
    out << ", line " << yesNo(shape.Line().visible()) << ", fill " << yesNo(shape.Fill().visible()) << '\n';
}

} // namespace

void dumpLayout(const automation::Document& doc, std::ostream& out) {
    automation::PageSetup first = doc.Sections().Item(1).PageSetup();
    automation::Selection selection = doc.ActiveWindow().Selection();
    out << "document: pages " << selection.Information(4) << ", mirror margins "
        << yesNo(first.mirrorMargins()) << ", odd and even footers "
        << yesNo(first.oddAndEvenPagesHeaderFooter()) << '\n';
    for (int i = 1; i <= doc.Sections().Count(); ++i)
        dumpSection(doc, i, out);
    dumpLineSpacing(doc, out);
    for (int i = 1; i <= doc.Shapes().Count(); ++i)
        dumpShape(doc, i, out);
}

} // namespace docdump
