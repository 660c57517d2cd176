#pragma once
// Formatting as the automation object model sets and reads it. In a setting, every field that is set is
// applied and the others are left alone; a reading fills every field it can resolve.

#include <optional>
#include <string>

namespace wordproc {

struct CharFormat {
    std::optional<std::string> name;        // Latin and East Asian text
    std::optional<std::string> nameFarEast; // East Asian text only
    std::optional<std::string> nameAscii;   // Latin text only
    std::optional<std::string> nameOther;   // other text that is not East Asian (w:hAnsi)
    std::optional<float> size;              // points
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<int> color;     // BGR as the hosts count it: 255 is red
    std::optional<int> scaling;   // character width in percent
    std::optional<float> spacing; // points between characters
};

// The hosts' automatic colour.
inline constexpr int AutomaticColor = -16777216;

struct ParaFormat {
    std::optional<int> alignment;                      // 0 left, 1 centre, 2 right, 3 justify, 4 distribute
    std::optional<float> characterUnitFirstLineIndent; // characters; negative: hanging
    std::optional<float> characterUnitLeftIndent;      // characters
    std::optional<int> lineSpacingRule;                // 0 single, 1 one and a half, 2 double, 3 at least,
                                                       // 4 exactly, 5 multiple
    std::optional<float> lineSpacing;                  // points (rules 3 and 4) or lines of 12 pt (rule 5)
    std::optional<float> lineUnitBefore;               // lines
    std::optional<float> lineUnitAfter;                // lines
    std::optional<float> spaceBefore;                  // points
    std::optional<float> spaceAfter;                   // points
};

// Page setup of a section. Lengths in points. The fields marked "document" are one setting of the whole
// document, as the hosts keep them, whichever section sets them.
struct PageFormat {
    std::optional<float> topMargin, bottomMargin, leftMargin, rightMargin;
    std::optional<float> pageWidth, pageHeight;
    std::optional<float> headerDistance, footerDistance, gutter;
    std::optional<int> orientation;    // 0 portrait, 1 landscape
    std::optional<int> charsLine;      // characters a line of the body style
    std::optional<int> linesPage;      // lines a page of the document grid
    std::optional<bool> mirrorMargins; // document
    std::optional<bool> differentFirstPage;
    std::optional<bool> lineNumbering;                // line numbers shown
    std::optional<int> firstPageTray, otherPagesTray; // 0: the printer's default
    std::optional<int> sectionStart;      // 0 continuous, 1 new column, 2 new page, 3 even page, 4 odd page
    std::optional<bool> oddAndEvenPages;  // document: own headers and footers for even pages
    std::optional<int> verticalAlignment; // 0 top, 1 centre, 2 justify, 3 bottom
    std::optional<bool> suppressEndnotes;
    std::optional<bool> twoPagesOnOne, bookFoldPrinting, bookFoldRevPrinting; // document
    std::optional<int> bookFoldPrintingSheets;                                // document
    std::optional<int> gutterPos;  // 0 left, 1 top (document), 2 right
    std::optional<int> layoutMode; // 0 no grid, 1 (and 2) the line grid, 3 the manuscript grid
};

} // namespace wordproc
