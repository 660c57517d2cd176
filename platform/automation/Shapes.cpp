#include "platform/automation/Shapes.h"

#include "platform/automation/Error.h"
#include "platform/automation/Range.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentShapes.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

namespace {

// Changes one measure of the shapes' boxes.
void changeBox(wordproc::DocumentShapes& shapes, const std::vector<int>& ids,
               float wordproc::ShapeBox::*measure, float points) {
    if (ids.empty())
        throw Error("选定范围中没有图形。");
    for (int id : ids) {
        wordproc::ShapeBox box = shapes.box(id);
        box.*measure = points;
        shapes.setBox(id, box);
    }
}

wordproc::Span spanOf(const Range& range) {
    return {{}, range.start(), range.end()};
}

} // namespace

Range TextFrame::TextRange() const {
    wordproc::StoryId story = m_document->shapes().textFrame(m_shapeId);
    wordproc::DocumentText& text = m_document->text();
    return Range(m_document, text.track(text.story(story)));
}

float TextFrame::marginLeft() const {
    return m_document->shapes().textFrameMargin(m_shapeId, wordproc::FrameSide::Left);
}

void TextFrame::setMarginLeft(float points) const {
    m_document->shapes().setTextFrameMargin(m_shapeId, wordproc::FrameSide::Left, points);
}

float TextFrame::marginRight() const {
    return m_document->shapes().textFrameMargin(m_shapeId, wordproc::FrameSide::Right);
}

void TextFrame::setMarginRight(float points) const {
    m_document->shapes().setTextFrameMargin(m_shapeId, wordproc::FrameSide::Right, points);
}

float TextFrame::marginTop() const {
    return m_document->shapes().textFrameMargin(m_shapeId, wordproc::FrameSide::Top);
}

void TextFrame::setMarginTop(float points) const {
    m_document->shapes().setTextFrameMargin(m_shapeId, wordproc::FrameSide::Top, points);
}

float TextFrame::marginBottom() const {
    return m_document->shapes().textFrameMargin(m_shapeId, wordproc::FrameSide::Bottom);
}

void TextFrame::setMarginBottom(float points) const {
    m_document->shapes().setTextFrameMargin(m_shapeId, wordproc::FrameSide::Bottom, points);
}

bool ShapeFormat::visible() const {
    return m_document->shapes().visible(m_shapeIds.at(0), m_part);
}

void ShapeFormat::setVisible(bool visible) const {
    for (int id : m_shapeIds)
        m_document->shapes().setVisible(id, m_part, visible);
}

int ShapeFormat::color() const {
    return m_document->shapes().color(m_shapeIds.at(0), m_part);
}

void ShapeFormat::setColor(int bgr) const {
    for (int id : m_shapeIds)
        m_document->shapes().setColor(id, m_part, bgr);
}

int Shape::first() const {
    if (m_shapeIds.empty())
        throw Error("选定范围中没有图形。");
    return m_shapeIds.front();
}

int Shape::single() const {
    if (m_shapeIds.size() > 1)
        throw Error("这个操作只能用于一个图形。");
    return first();
}

std::string Shape::name() const {
    return m_document->shapes().name(first());
}

void Shape::setName(const std::string& name) const {
    m_document->shapes().setName(single(), name);
}

TextFrame Shape::TextFrame() const {
    m_document->shapes().name(single()); // the shape must still be there
    return automation::TextFrame(m_document, single());
}

LineFormat Shape::Line() const {
    m_document->shapes().name(first());
    return ShapeFormat(m_document, m_shapeIds, wordproc::ShapePart::Line);
}

FillFormat Shape::Fill() const {
    m_document->shapes().name(first());
    return ShapeFormat(m_document, m_shapeIds, wordproc::ShapePart::Fill);
}

bool Shape::visible() const {
    return m_document->shapes().shown(first());
}

void Shape::setVisible(bool visible) const {
    for (int id : m_shapeIds)
        m_document->shapes().setShown(id, visible);
}

void Shape::Select() const {
    m_document->selection().selectShape(first());
}

int Shape::relativeVerticalPosition() const {
    return m_document->shapes().relativeVerticalPosition(first());
}

void Shape::setRelativeVerticalPosition(int relative) const {
    first();
    for (int id : m_shapeIds)
        m_document->shapes().setRelativeVerticalPosition(id, relative);
}

int Shape::relativeHorizontalPosition() const {
    return m_document->shapes().relativeHorizontalPosition(first());
}

void Shape::setRelativeHorizontalPosition(int relative) const {
    first();
    for (int id : m_shapeIds)
        m_document->shapes().setRelativeHorizontalPosition(id, relative);
}

float Shape::left() const {
    return m_document->shapes().box(first()).left;
}

void Shape::setLeft(float points) const {
    changeBox(m_document->shapes(), m_shapeIds, &wordproc::ShapeBox::left, points);
}

float Shape::top() const {
    return m_document->shapes().box(first()).top;
}

void Shape::setTop(float points) const {
    changeBox(m_document->shapes(), m_shapeIds, &wordproc::ShapeBox::top, points);
}

float Shape::width() const {
    return m_document->shapes().box(first()).width;
}

void Shape::setWidth(float points) const {
    changeBox(m_document->shapes(), m_shapeIds, &wordproc::ShapeBox::width, points);
}

float Shape::height() const {
    return m_document->shapes().box(first()).height;
}

void Shape::setHeight(float points) const {
    changeBox(m_document->shapes(), m_shapeIds, &wordproc::ShapeBox::height, points);
}

int Shapes::Count() const {
    return m_document->shapes().count();
}

Shape Shapes::Item(int index) const {
    return Shape(m_document, m_document->shapes().idAt(index));
}

Shape Shapes::Item(const std::string& name) const {
    wordproc::DocumentShapes& shapes = m_document->shapes();
    for (int i = 1; i <= shapes.count(); ++i) {
        if (shapes.name(shapes.idAt(i)) == name)
            return Shape(m_document, shapes.idAt(i));
    }
    throw Error("文档中没有名为“" + name + "”的形状。");
}

Shape Shapes::AddLine(float beginX, float beginY, float endX, float endY) const {
    return Shape(m_document, m_document->shapes().addLine(beginX, beginY, endX, endY, nullptr));
}

Shape Shapes::AddLine(float beginX, float beginY, float endX, float endY, const Range& anchor) const {
    wordproc::Span span = spanOf(anchor);
    return Shape(m_document, m_document->shapes().addLine(beginX, beginY, endX, endY, &span));
}

Shape Shapes::AddTextbox(int orientation, float left, float top, float width, float height) const {
    return Shape(m_document, m_document->shapes().addTextbox(orientation, left, top, width, height, nullptr));
}

Shape Shapes::AddTextbox(int orientation, float left, float top, float width, float height,
                         const Range& anchor) const {
    wordproc::Span span = spanOf(anchor);
    return Shape(m_document, m_document->shapes().addTextbox(orientation, left, top, width, height, &span));
}

} // namespace automation
