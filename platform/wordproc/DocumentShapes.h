#pragma once
// The floating shapes of a document as Shapes.Item(i) reaches them, each known by a lasting id: Word
// counts them in the order of their anchors in the main text, WPS in the order they are drawn, from the
// bottom of the stack (ShapeOrder in ShapeIndex.h).

#include "platform/wordproc/Span.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

class DocumentModel;

enum class ShapePart { Line, Fill };

// The sides of a text box's inner margin.
enum class FrameSide { Left, Top, Right, Bottom };

// A shape's place and size in points, measured from what RelativeHorizontalPosition and
// RelativeVerticalPosition name.
struct ShapeBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class DocumentShapes {
public:
    explicit DocumentShapes(DocumentModel& model) : m_model(model) {}

    int count() const;
    // The id of the i-th shape (from 1) as the document stands now. Throws Error when there is none.
    int idAt(int index) const;

    std::string name(int id) const;
    void setName(int id, std::string_view name);
    // The story of the shape's text. Throws Error for a shape that holds no text.
    StoryId textFrame(int id) const;

    // The inner margin of a text box's text, in points, and the direction its text runs in: 1
    // horizontal, 2 upward, 3 downward, 4 vertical East Asian, 5 vertical (stacked), 6 horizontal.
    float textFrameMargin(int id, FrameSide side) const;
    void setTextFrameMargin(int id, FrameSide side, float points);
    int textOrientation(int id) const;
    void setTextOrientation(int id, int orientation);

    // Whether the shape is shown at all (a hidden shape stays in the document).
    bool shown(int id) const;
    void setShown(int id, bool shown);

    // The outline (Shape.Line) or the inside (Shape.Fill): drawn or not, and its colour (BGR). One turned
    // off and on again looks as before, also across saving (one never drawn comes on black or white); a
    // colour set while it is off turns it on in that colour.
    bool visible(int id, ShapePart part) const;
    void setVisible(int id, ShapePart part, bool visible);
    int color(int id, ShapePart part) const;
    void setColor(int id, ShapePart part, int bgr);

    // The hosts' numbers: vertical 0 margin, 1 page, 2 paragraph, 3 line, 4 top margin, 5 bottom margin,
    // 6 inside margin, 7 outside margin; horizontal 0 margin, 1 page, 2 column, 3 character, 4 left
    // margin, 5 right margin, 6 inside margin, 7 outside margin. A change between page and margin keeps
    // the shape where it stands on the page.
    int relativeVerticalPosition(int id) const;
    void setRelativeVerticalPosition(int id, int relative);
    int relativeHorizontalPosition(int id) const;
    void setRelativeHorizontalPosition(int id, int relative);

    // Where the shape is anchored in the main text (see anchorPosition in ShapeIndex.h).
    int anchorPosition(int id) const;
    // The shapes anchored in the characters of the span of the main text, in the order of Shapes.
    std::vector<int> anchoredIn(const Span& span) const;

    ShapeBox box(int id) const;
    void setBox(int id, const ShapeBox& box);

    // Adds a line from (x1, y1) to (x2, y2), in points, anchored at the paragraph that holds the anchor's
    // start, behind the shapes anchored there; measured from that paragraph's column and top. Without an
    // anchor it is measured from the page and anchored where the selection stands: at its paragraph
    // (Word; the first one in a new document), or at the last paragraph of its section (WPS). A new
    // shape is drawn above all others, so that WPS counts it last. Returns its id.
    int addLine(float x1, float y1, float x2, float y2, const Span* anchor);
    // Adds a text box (orientation 1 horizontal, 2 upward, 3 downward, 4 vertical East Asian, 5 vertical)
    // with a black outline and white fill, placed as addLine places lines. Returns its id.
    int addTextbox(int orientation, float left, float top, float width, float height, const Span* anchor);

private:
    DocumentModel& m_model;
};

} // namespace wordproc
