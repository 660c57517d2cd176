#include "composer/output/AutomationEditor.h"

#include "platform/automation/Bookmarks.h"
#include "platform/automation/Borders.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"

namespace composer {

namespace {

constexpr int RelativeToPage = 1;
constexpr int SingleSpacing = 0;
constexpr int BorderBetweenParagraphs = -5;
constexpr int NoLine = 0;

// Font properties in the order the hosts take them: name, size, bold, colour, width.
void apply(const automation::Font& target, const FontChange& font) {
    if (font.name)
        target.setName(*font.name);
    if (font.size)
        target.setSize(static_cast<float>(*font.size));
    if (font.bold)
        target.setBold(*font.bold);
    if (font.color)
        target.setColor(*font.color);
    if (font.scaling)
        target.setScaling(*font.scaling);
}

} // namespace

automation::Range AutomationEditor::paragraph(int n) const {
    return m_document.Paragraphs().Item(n).Range();
}

automation::Range AutomationEditor::shapeText(int shape) const {
    return m_document.Shapes().Item(shape).TextFrame().TextRange();
}

automation::Range AutomationEditor::cell(int table, int row, int column) const {
    return m_document.Tables().Item(table).Cell(row, column).Range();
}

automation::Range AutomationEditor::bookmark(const std::string& name) const {
    return m_document.Bookmarks().Item(name).Range();
}

void AutomationEditor::insertBefore(int n, const std::string& text) {
    paragraph(n).InsertBefore(text);
}

void AutomationEditor::insertAfter(int n, const std::string& text) {
    paragraph(n).InsertAfter(text);
}

void AutomationEditor::setFont(int n, const FontChange& font) {
    apply(paragraph(n).Font(), font);
}

void AutomationEditor::setAlignment(int n, Alignment alignment) {
    paragraph(n).ParagraphFormat().setAlignment(static_cast<int>(alignment));
}

void AutomationEditor::setFirstLineIndentChars(int n, double characters) {
    paragraph(n).ParagraphFormat().setCharacterUnitFirstLineIndent(static_cast<float>(characters));
}

void AutomationEditor::removeRuleBelow(int n) {
    paragraph(n).ParagraphFormat().Borders().Item(BorderBetweenParagraphs).setLineStyle(NoLine);
}

void AutomationEditor::setSingleSpacingWithLinesBefore(int n, double lines) {
    automation::ParagraphFormat format = paragraph(n).ParagraphFormat();
    format.setLineSpacingRule(SingleSpacing);
    format.setLineUnitBefore(static_cast<float>(lines));
}

void AutomationEditor::setRangeFontName(int first, int last, const std::string& name) {
    m_document.Range(first, last).Font().setName(name);
}

int AutomationEditor::shapeCount() {
    return m_document.Shapes().Count();
}

void AutomationEditor::setShapeName(int shape, const std::string& name) {
    m_document.Shapes().Item(shape).setName(name);
}

void AutomationEditor::setShapeText(int shape, const std::string& text) {
    shapeText(shape).setText(text);
}

void AutomationEditor::setShapeFont(int shape, const FontChange& font) {
    apply(shapeText(shape).Font(), font);
}

void AutomationEditor::setShapeAlignment(int shape, Alignment alignment) {
    shapeText(shape).ParagraphFormat().setAlignment(static_cast<int>(alignment));
}

void AutomationEditor::setShapeRelativeToPage(int shape) {
    m_document.Shapes().Item(shape).setRelativeVerticalPosition(RelativeToPage);
}

void AutomationEditor::hideShapeOutline(int shape) {
    m_document.Shapes().Item(shape).Line().setVisible(false);
}

void AutomationEditor::addLine(double x1, double y1, double x2, double y2) {
    m_document.Shapes().AddLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                                static_cast<float>(y2));
}

void AutomationEditor::addLineAt(int n, double x1, double y1, double x2, double y2) {
    m_document.Shapes().AddLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                                static_cast<float>(y2), paragraph(n));
}

void AutomationEditor::setCellText(int table, int row, int column, const std::string& text) {
    cell(table, row, column).setText(text);
}

void AutomationEditor::setCellFont(int table, int row, int column, const FontChange& font) {
    apply(cell(table, row, column).Font(), font);
}

void AutomationEditor::insertAfterCell(int table, int row, int column, const std::string& text) {
    cell(table, row, column).InsertAfter(text);
}

void AutomationEditor::setBookmarkText(const std::string& name, const std::string& text) {
    bookmark(name).setText(text);
}

void AutomationEditor::setBookmarkFont(const std::string& name, const FontChange& font) {
    apply(bookmark(name).Font(), font);
}

void AutomationEditor::setBookmarkAlignment(const std::string& name, Alignment alignment) {
    bookmark(name).ParagraphFormat().setAlignment(static_cast<int>(alignment));
}

} // namespace composer
