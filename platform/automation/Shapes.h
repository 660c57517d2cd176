#pragma once
// The floating shapes of a document, in the order of their anchors in the main text.

#include <memory>
#include <string>
#include <vector>

namespace wordproc {
class Document;
enum class ShapePart;
} // namespace wordproc

namespace automation {

class Range;

class TextFrame {
public:
    TextFrame(std::shared_ptr<wordproc::Document> document, int shapeId)
        : m_document(std::move(document)), m_shapeId(shapeId) {}

    // The whole text of the frame.
    Range TextRange() const;
    // The inner margins between the frame's edge and its text, in points.
    float marginLeft() const;
    void setMarginLeft(float points) const;
    float marginRight() const;
    void setMarginRight(float points) const;
    float marginTop() const;
    void setMarginTop(float points) const;
    float marginBottom() const;
    void setMarginBottom(float points) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    int m_shapeId;
};

// The outline (Shape.Line) or the inside (Shape.Fill) of a shape, or of every shape of a ShapeRange:
// settings go to all of them, readings come from the first.
class ShapeFormat {
public:
    ShapeFormat(std::shared_ptr<wordproc::Document> document, std::vector<int> shapeIds,
                wordproc::ShapePart part)
        : m_document(std::move(document)), m_shapeIds(std::move(shapeIds)), m_part(part) {}

    bool visible() const;
    void setVisible(bool visible) const;
    int color() const; // BGR
    void setColor(int bgr) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    std::vector<int> m_shapeIds;
    wordproc::ShapePart m_part;
};

using LineFormat = ShapeFormat;
using FillFormat = ShapeFormat;

class Shape {
public:
    // A shape stays the same shape when others are added or named.
    Shape(std::shared_ptr<wordproc::Document> document, int shapeId)
        : m_document(std::move(document)), m_shapeIds{shapeId} {}

    // The name that the add-ins look shapes up by.
    std::string name() const;
    void setName(const std::string& name) const;

    automation::TextFrame TextFrame() const;
    LineFormat Line() const;
    FillFormat Fill() const;

    // Whether the shape is shown; a hidden shape stays in the document.
    bool visible() const;
    void setVisible(bool visible) const;
    // Makes the shape the selection of the document's window.
    void Select() const;
    int id() const { return first(); }

    // Vertical: 0 margin, 1 page, 2 paragraph, 3 line (4 to 7 the margin areas); horizontal: 0 margin,
    // 1 page, 2 column, 3 character. Changing between page and margin keeps the shape in place.
    int relativeVerticalPosition() const;
    void setRelativeVerticalPosition(int relative) const;
    int relativeHorizontalPosition() const;
    void setRelativeHorizontalPosition(int relative) const;

    // Position and size in points.
    float left() const;
    void setLeft(float points) const;
    float top() const;
    void setTop(float points) const;
    float width() const;
    void setWidth(float points) const;
    float height() const;
    void setHeight(float points) const;

protected:
    // Several shapes as one (ShapeRange): settings go to each of them, readings come from the first.
    Shape(std::shared_ptr<wordproc::Document> document, std::vector<int> shapeIds)
        : m_document(std::move(document)), m_shapeIds(std::move(shapeIds)) {}
    // The first shape. Throws Error when there is none.
    int first() const;
    // The one shape. Throws Error for none or several.
    int single() const;

    std::shared_ptr<wordproc::Document> m_document;
    std::vector<int> m_shapeIds;
};

class Shapes {
public:
    explicit Shapes(std::shared_ptr<wordproc::Document> document) : m_document(std::move(document)) {}

    int Count() const;
    // The i-th shape (from 1) as the document stands at the moment of the call.
    Shape Item(int index) const;
    // The first shape of that name, compared exactly. Throws Error when there is none.
    Shape Item(const std::string& name) const;

    // A line from (beginX, beginY) to (endX, endY) in points. Anchored at the anchor's paragraph and
    // measured from its column and top; without an anchor, measured from the page and anchored at the
    // first paragraph (Word) or the last one, behind every other shape (WPS).
    Shape AddLine(float beginX, float beginY, float endX, float endY) const;
    Shape AddLine(float beginX, float beginY, float endX, float endY, const Range& anchor) const;
    // A text box (orientation 1 horizontal, 2 upward, 3 downward, 4 vertical East Asian, 5 vertical),
    // placed as AddLine places lines.
    Shape AddTextbox(int orientation, float left, float top, float width, float height) const;
    Shape AddTextbox(int orientation, float left, float top, float width, float height,
                     const Range& anchor) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
};

} // namespace automation
