#include "platform/automation/ShapeRange.h"

#include "platform/automation/Error.h"
#include "platform/wordproc/DocumentShapes.h"

namespace automation {

namespace {

void requireShapes(const std::vector<int>& ids) {
    if (ids.empty())
        throw Error("选定范围中没有图形。");
}

} // namespace

template <typename Value> void ShapeRange::each(void (Shape::*setter)(Value) const, Value value) const {
    requireShapes(m_shapeIds);
    for (int id : m_shapeIds)
        (Shape(m_document, id).*setter)(value);
}

Shape ShapeRange::first() const {
    requireShapes(m_shapeIds);
    return Shape(m_document, m_shapeIds.front());
}

Shape ShapeRange::Item(int index) const {
    if (index < 1 || index > Count())
        throw Error("所要求的图形不存在：第 " + std::to_string(index) + " 个（共 " + std::to_string(Count()) +
                    " 个）。");
    return Shape(m_document, m_shapeIds[static_cast<std::size_t>(index - 1)]);
}

void ShapeRange::Select() const {
    first().Select();
}

std::string ShapeRange::name() const {
    return first().name();
}

TextFrame ShapeRange::TextFrame() const {
    if (Count() > 1)
        throw Error("只能取一个图形的文本框。");
    return first().TextFrame();
}

LineFormat ShapeRange::Line() const {
    first().Line(); // every shape must still be there
    return LineFormat(m_document, m_shapeIds, wordproc::ShapePart::Line);
}

FillFormat ShapeRange::Fill() const {
    first().Fill();
    return FillFormat(m_document, m_shapeIds, wordproc::ShapePart::Fill);
}

bool ShapeRange::visible() const {
    return first().visible();
}

void ShapeRange::setVisible(bool visible) const {
    each(&Shape::setVisible, visible);
}

int ShapeRange::relativeVerticalPosition() const {
    return first().relativeVerticalPosition();
}

void ShapeRange::setRelativeVerticalPosition(int relative) const {
    each(&Shape::setRelativeVerticalPosition, relative);
}

int ShapeRange::relativeHorizontalPosition() const {
    return first().relativeHorizontalPosition();
}

void ShapeRange::setRelativeHorizontalPosition(int relative) const {
    each(&Shape::setRelativeHorizontalPosition, relative);
}

float ShapeRange::left() const {
    return first().left();
}

void ShapeRange::setLeft(float points) const {
    each(&Shape::setLeft, points);
}

float ShapeRange::top() const {
    return first().top();
}

void ShapeRange::setTop(float points) const {
    each(&Shape::setTop, points);
}

float ShapeRange::width() const {
    return first().width();
}

void ShapeRange::setWidth(float points) const {
    each(&Shape::setWidth, points);
}

float ShapeRange::height() const {
    return first().height();
}

void ShapeRange::setHeight(float points) const {
    each(&Shape::setHeight, points);
}

} // namespace automation
