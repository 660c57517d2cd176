#pragma once
// The operations that the output procedure makes on a new document, by paragraph and shape number as
// the word processor counts them at the moment of each call. The word processor's object model is
// behind it; tests put a recorder in its place.

#include <optional>
#include <string>

namespace composer {

// The character format that one call sets; what is not given stays as it is.
struct FontChange {
    std::optional<std::string> name;
    std::optional<int> size;    // points
    std::optional<int> scaling; // percent of the width
    std::optional<bool> bold;
    std::optional<int> color; // the word processor's colour value; 255 is red

    static FontChange named(std::string name) {
        FontChange f;
        f.name = std::move(name);
        return f;
    }
    static FontChange scaled(int percent) {
        FontChange f;
        f.scaling = percent;
        return f;
    }
};

// Paragraph alignments as the word processor numbers them.
enum class Alignment { Left = 0, Center = 1, Right = 2, Justify = 3, Distribute = 4 };

class DocumentEditor {
public:
    virtual ~DocumentEditor() = default;

    // Text at the start of the paragraph; every CR starts a new paragraph.
    virtual void insertBefore(int paragraph, const std::string& text) = 0;
    // Text behind the paragraph mark: at the start of the next paragraph, except on the last paragraph
    // of the document or of a table cell, where it goes at the end of this one.
    virtual void insertAfter(int paragraph, const std::string& text) = 0;
    virtual void setFont(int paragraph, const FontChange& font) = 0;
    virtual void setAlignment(int paragraph, Alignment alignment) = 0;
    // In characters; negative is a hanging indent.
    virtual void setFirstLineIndentChars(int paragraph, double characters) = 0;
    // Single line spacing, then the space before in lines.
    virtual void setSingleSpacingWithLinesBefore(int paragraph, double lines) = 0;
    // No rule between the paragraph and the next, where their border group would draw one.
    virtual void removeRuleBelow(int paragraph) = 0;
    // The font name of the characters a to b, counted from the start of the document.
    virtual void setRangeFontName(int first, int last, const std::string& name) = 0;

    virtual int shapeCount() = 0;
    virtual void setShapeName(int shape, const std::string& name) = 0;
    virtual void setShapeText(int shape, const std::string& text) = 0;
    virtual void setShapeFont(int shape, const FontChange& font) = 0;
    virtual void setShapeAlignment(int shape, Alignment alignment) = 0;
    virtual void setShapeRelativeToPage(int shape) = 0;
    virtual void hideShapeOutline(int shape) = 0;
    // A line from (x1, y1) to (x2, y2) in points, anchored where the word processor chooses.
    virtual void addLine(double x1, double y1, double x2, double y2) = 0;
    // A line anchored in the paragraph, measured from its column (in a table, its cell) and its top.
    virtual void addLineAt(int paragraph, double x1, double y1, double x2, double y2) = 0;

    // The cell (row, column) of the table-th table, all counted from 1: its whole text replaced, or its
    // characters' format.
    virtual void setCellText(int table, int row, int column, const std::string& text) = 0;
    virtual void setCellFont(int table, int row, int column, const FontChange& font) = 0;
    // Text behind the cell's own text, inside the cell.
    virtual void insertAfterCell(int table, int row, int column, const std::string& text) = 0;

    // A named bookmark: its text replaced (the bookmark then holds the new text), its characters'
    // format, its paragraph's alignment.
    virtual void setBookmarkText(const std::string& name, const std::string& text) = 0;
    virtual void setBookmarkFont(const std::string& name, const FontChange& font) = 0;
    virtual void setBookmarkAlignment(const std::string& name, Alignment alignment) = 0;
};

} // namespace composer
