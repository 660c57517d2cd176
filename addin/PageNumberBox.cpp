#include "addin/PageNumberBox.h"

#include "platform/automation/Application.h"
#include "platform/automation/Document.h"
#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/Range.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"
#include "platform/automation/ShapeRange.h"
#include "platform/automation/Shapes.h"

#include <cctype>

namespace addin {

namespace {

constexpr std::string_view Dash = "—"; // U+2014
constexpr int VerticalEastAsian = 4;   // the orientation of a new text box
constexpr int Downward = 3;            // the direction of the box's text
constexpr float BoxWidth = 22;         // points
constexpr int FromPage = 1;            // RelativeHorizontalPosition, RelativeVerticalPosition
constexpr int AdjustedPageNumber = 1;  // Selection.Information
constexpr const char* BoxChineseFont = "标准公文_仿宋";
constexpr const char* LatinFont = "Times New Roman";

struct PlacementRow {
    Paper paper;
    PageSide side;
    BoxPlacement placement;
};

// The box's top is the top margin that the landscape preset gives a page of that side, so that the box
// spans the type area from top to bottom.
constexpr PlacementRow Placements[] = {
    {Paper::Size16K, PageSide::Even, {2.4f, 1.8f, 0}},
    {Paper::Size16K, PageSide::Odd, {2.4f, 2.3f, 2}},
    {Paper::Size16K, PageSide::NotAlternating, {2.4f, 2.3f, 1}},
    {Paper::A4, PageSide::Even, {2.3f, 2.6f, 0}},
    {Paper::A4, PageSide::Odd, {2.3f, 2.8f, 2}},
    {Paper::A4, PageSide::NotAlternating, {2.3f, 2.8f, 1}},
};

// The height of the landscape type area: 18.4 - 2.3 - 1.8 cm on 16K, 21 - 2.8 - 2.6 cm on A4.
float boxHeight(Paper paper, const automation::Application& host) {
    constexpr float A4HeightPoints = 442.2f;
    return paper == Paper::A4 ? A4HeightPoints : host.CentimetersToPoints(14.3f);
}

float boxFontSize(Paper paper) {
    return paper == Paper::A4 ? 14 : 10.5f;
}

void setBoxFont(const automation::Range& text, float size) {
    automation::Font font = text.Font();
    font.setNameFarEast(BoxChineseFont);
    font.setNameAscii(LatinFont);
    font.setSize(size);
}

// No outline, no inner margins, no fill: only the number shows.
void clearBoxFrame(const automation::Shape& box) {
    box.Line().setVisible(false);
    automation::TextFrame frame = box.TextFrame();
    frame.setMarginLeft(0);
    frame.setMarginRight(0);
    frame.setMarginTop(0);
    frame.setMarginBottom(0);
    box.Fill().setVisible(false);
}

void finishBox(const automation::Shape& box, Paper paper) {
    automation::Range text = box.TextFrame().TextRange();
    if (hostBuild().turnsBoxTextFirst)
        text.setOrientation(Downward);
    setBoxFont(text, boxFontSize(paper));
    clearBoxFrame(box);
    if (!hostBuild().turnsBoxTextFirst)
        text.setOrientation(Downward);
}

void setPlacement(const automation::Shape& box, const BoxPlacement& placement,
                  const automation::Application& host) {
    box.setLeft(host.CentimetersToPoints(placement.left));
    box.setTop(host.CentimetersToPoints(placement.top));
    box.TextFrame().TextRange().ParagraphFormat().setAlignment(placement.alignment);
}

} // namespace

BoxPlacement pageNumberBoxPlacement(Paper paper, PageSide side) {
    for (const PlacementRow& row : Placements) {
        if (row.paper == paper && row.side == side)
            return row.placement;
    }
    throw automation::Error("页码框没有这种位置。");
}

std::string pageNumberText(int number) {
    return std::string(Dash) + " " + std::to_string(number) + " " + std::string(Dash);
}

bool isPageNumberText(std::string_view text) {
    if (text.ends_with('\r'))
        text.remove_suffix(1);
    const std::string open = std::string(Dash) + " ";
    const std::string close = " " + std::string(Dash);
    if (text.size() <= open.size() + close.size() || !text.starts_with(open) || !text.ends_with(close))
        return false;
    std::string_view digits = text.substr(open.size(), text.size() - open.size() - close.size());
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

automation::Shape addPageNumberBox(const automation::Application& host, Paper paper) {
    automation::Selection selection = host.Selection();
    const PageSide side = landscapePageSide(host);
    // Anchored at the new section's first paragraph, where the correction looks for it again.
    automation::Shape box = host.ActiveDocument().Shapes().AddTextbox(
        VerticalEastAsian, 73, 1, BoxWidth, boxHeight(paper, host), selection.Range());
    box.setRelativeHorizontalPosition(FromPage);
    box.setRelativeVerticalPosition(FromPage);
    setPlacement(box, pageNumberBoxPlacement(paper, side), host);
    box.TextFrame().TextRange().setText(pageNumberText(selection.Information(AdjustedPageNumber)));
    finishBox(box, paper);
    return box;
}

std::optional<automation::Shape> findPageNumberBox(const automation::Section& section) {
    automation::ShapeRange shapes = section.Range().ShapeRange();
    for (int i = 1; i <= shapes.Count(); ++i) {
        automation::Shape shape = shapes.Item(i);
        std::string text;
        try {
            text = shape.TextFrame().TextRange().text();
        } catch (const automation::Error&) {
            continue; // a line or a picture holds no text
        }
        if (isPageNumberText(text))
            return shape;
    }
    return std::nullopt;
}

void placePageNumberBox(const automation::Shape& box, Paper paper, PageSide side,
                        const automation::Application& host) {
    setPlacement(box, pageNumberBoxPlacement(paper, side), host);
    box.setHeight(boxHeight(paper, host));
}

} // namespace addin
