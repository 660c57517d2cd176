#pragma once
// Some shapes of a document taken together: those of the selection, or those anchored in a range. As
// the hosts' ShapeRange, a setting goes to every shape and a reading comes from the first; an empty
// range throws Error for both.

#include "platform/automation/Shapes.h"

#include <vector>

namespace automation {

class ShapeRange {
public:
    ShapeRange(std::shared_ptr<wordproc::Document> document, std::vector<int> shapeIds)
        : m_document(std::move(document)), m_shapeIds(std::move(shapeIds)) {}

    int Count() const { return static_cast<int>(m_shapeIds.size()); }
    // The i-th shape (from 1). Throws Error when there is none.
    Shape Item(int index) const;
    // Selects the first shape.
    void Select() const;

    std::string name() const;
    // The text frame of the one shape of the range. Throws Error for a range of several shapes.
    automation::TextFrame TextFrame() const;
    LineFormat Line() const;
    FillFormat Fill() const;
    bool visible() const;
    void setVisible(bool visible) const;
    int relativeVerticalPosition() const;
    void setRelativeVerticalPosition(int relative) const;
    int relativeHorizontalPosition() const;
    void setRelativeHorizontalPosition(int relative) const;
    float left() const;
    void setLeft(float points) const;
    float top() const;
    void setTop(float points) const;
    float width() const;
    void setWidth(float points) const;
    float height() const;
    void setHeight(float points) const;

private:
    Shape first() const;
    // Calls the setter on every shape.
    template <typename Value> void each(void (Shape::*setter)(Value) const, Value value) const;

    std::shared_ptr<wordproc::Document> m_document;
    std::vector<int> m_shapeIds;
};

} // namespace automation
