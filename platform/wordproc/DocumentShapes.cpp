#include "platform/wordproc/DocumentShapes.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/DocumentSections.h"
#include "platform/wordproc/DrawingWriter.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace wordproc {

namespace {

constexpr const char* verticalFrames[] = {"margin",    "page",         "paragraph",    "line",
                                          "topMargin", "bottomMargin", "insideMargin", "outsideMargin"};
constexpr const char* horizontalFrames[] = {"margin",     "page",        "column",       "character",
                                            "leftMargin", "rightMargin", "insideMargin", "outsideMargin"};
constexpr const char* fillKinds[] = {"a:noFill",   "a:solidFill", "a:gradFill",
                                     "a:blipFill", "a:pattFill",  "a:grpFill"};
constexpr Emu EmuPerPoint = 12700;
// wps:bodyPr/@vert of the hosts' text orientations 1 to 6 (0 unused).
constexpr const char* textDirections[] = {"horz", "horz", "vert270", "vert", "eaVert", "wordArtVert", "horz"};

int frameNumber(std::string_view frame, const char* const (&frames)[8]) {
    for (int i = 0; i < 8; ++i) {
        if (frame == frames[i])
            return i;
    }
    return 0;
}

// The queries of more than one step, compiled once.
pugi::xml_node lineReference(pugi::xml_node anchor) {
    static const pugi::xpath_query query(".//wps:style/a:lnRef");
    return anchor.select_node(query).node();
}

pugi::xml_node drawingExtent(pugi::xml_node anchor) {
    static const pugi::xpath_query query(".//a:xfrm/a:ext");
    return anchor.select_node(query).node();
}

pugi::xml_node shapeProperties(pugi::xml_node anchor) {
    return xml::firstDescendant(anchor, {"wps:spPr", "pic:spPr"});
}

// The fill element of a shape's properties or of its outline (null when neither says).
pugi::xml_node fillOf(pugi::xml_node properties) {
    for (const char* kind : fillKinds) {
        if (pugi::xml_node fill = properties.child(kind))
            return fill;
    }
    return {};
}

// Replaces the fill of `properties` by a new element of the kind, keeping the schema's place.
pugi::xml_node replaceFill(pugi::xml_node properties, const char* kind, const xml::ChildOrder& order) {
    for (const char* old : fillKinds)
        properties.remove_child(old);
    return xml::ensureChild(properties, kind, order);
}

int colorOf(pugi::xml_node fill) {
    pugi::xml_node color = fill.child("a:srgbClr");
    return color ? hexToColor(color.attribute("val").value()) : AutomaticColor;
}

void setSolid(pugi::xml_node properties, int bgr, const xml::ChildOrder& order) {
    pugi::xml_node fill = replaceFill(properties, "a:solidFill", order);
    fill.append_child("a:srgbClr").append_attribute("val") = colorToHex(bgr).c_str();
}

const xml::ChildOrder outlineOrder = {"a:noFill",   "a:solidFill", "a:gradFill", "a:pattFill",
                                      "a:prstDash", "a:custDash",  "a:round",    "a:bevel",
                                      "a:miter",    "a:headEnd",   "a:tailEnd",  "a:extLst"};

// An outline or a fill that is turned off keeps what it was in an extension of the shape's properties,
// so that turning it on brings back its colour, also after the document was saved and opened again.
// Readers that do not know the extension see no line or no fill.
const char* keptUri(ShapePart part) {
    return part == ShapePart::Line ? "urn:brevaro:hidden-line" : "urn:brevaro:hidden-fill";
}

pugi::xml_node keptExtension(pugi::xml_node shapeProperties, ShapePart part) {
    return shapeProperties.child("a:extLst").find_child_by_attribute("a:ext", "uri", keptUri(part));
}

void dropKept(pugi::xml_node shapeProperties, ShapePart part) {
    pugi::xml_node list = shapeProperties.child("a:extLst");
    list.remove_child(keptExtension(shapeProperties, part));
    if (list && !list.first_child())
        shapeProperties.remove_child(list);
}

void keep(pugi::xml_node shapeProperties, ShapePart part, pugi::xml_node fill) {
    dropKept(shapeProperties, part);
    pugi::xml_node list = xml::ensureChild(shapeProperties, "a:extLst", xml::shapePropertyOrder);
    pugi::xml_node extension = list.append_child("a:ext");
    extension.append_attribute("uri") = keptUri(part);
    extension.append_copy(fill);
}

// Puts the kept fill back in place of the current one; false when none was kept.
bool restoreKept(pugi::xml_node shapeProperties, ShapePart part, pugi::xml_node properties,
                 const xml::ChildOrder& order) {
    pugi::xml_node kept = keptExtension(shapeProperties, part).first_child();
    if (!kept)
        return false;
    pugi::xml_node fill = replaceFill(properties, kept.name(), order);
    for (pugi::xml_attribute attribute : kept.attributes())
        fill.append_copy(attribute);
    for (pugi::xml_node child : kept.children())
        fill.append_copy(child);
    dropKept(shapeProperties, part);
    return true;
}

pugi::xml_node outlineOf(pugi::xml_node anchor) {
    return xml::ensureChild(shapeProperties(anchor), "a:ln", xml::shapePropertyOrder);
}

Emu offsetOf(pugi::xml_node axis) {
    return axis.child("wp:posOffset").text().as_llong();
}

void setOffset(pugi::xml_node axis, Emu offset) {
    axis.remove_child("wp:align");
    pugi::xml_node node = axis.child("wp:posOffset");
    if (!node)
        node = axis.append_child("wp:posOffset");
    node.text() = std::to_string(offset).c_str();
}

// Where the first section's margin stands from the page's edge, on one axis, in EMU.
Emu marginOffset(const DocumentModel& model, bool vertical) {
    std::vector<pugi::xml_node> sections = model.sections();
    pugi::xml_node margins = sections.empty() ? pugi::xml_node() : sections.front().child("w:pgMar");
    long long twips = xml::numberAttribute(margins, vertical ? "w:top" : "w:left", 1440);
    return twips * EmuPerPoint / 20;
}

void changeFrame(const DocumentModel& model, pugi::xml_node axis, const char* frame, bool vertical) {
    std::string_view old = axis.attribute("relativeFrom").value();
    if (!axis.child("wp:align")) {
        // Between page and margin the shape keeps its place on the page.
        Emu shift = marginOffset(model, vertical);
        if (old == "margin" && std::string_view(frame) == "page")
            setOffset(axis, offsetOf(axis) + shift);
        else if (old == "page" && std::string_view(frame) == "margin")
            setOffset(axis, offsetOf(axis) - shift);
    }
    xml::setAttribute(axis, "relativeFrom", frame);
}

Emu toEmu(float points) {
    return static_cast<Emu>(std::llround(static_cast<double>(points) * EmuPerPoint));
}

float toPoints(Emu emu) {
    return static_cast<float>(static_cast<double>(emu) / EmuPerPoint);
}

} // namespace

namespace {

// The properties of a text box's text. Throws Error for a shape without text.
pugi::xml_node textBody(pugi::xml_node anchor) {
    pugi::xml_node body = xml::firstDescendant(anchor, {"wps:bodyPr"});
    if (!body || !xml::firstDescendant(anchor, {"w:txbxContent"}))
        throw Error("这个形状没有文本框。");
    return body;
}

pugi::xml_node anchorOf(const DocumentModel& model, int id) {
    pugi::xml_node anchor = model.shapeById(id);
    if (!anchor || std::string_view(anchor.name()) != "wp:anchor")
        throw Error("这个形状已经不在文档里了。");
    return anchor;
}

// The paragraph that a new shape is anchored at, and the frames it is measured from.
struct Placement {
    pugi::xml_node paragraph;
    std::string horizontalFrom;
    std::string verticalFrom;
};

Placement placementFor(DocumentModel& model, const Span* anchor) {
    const StoryIndex& main = model.story({});
    if (main.paragraphs.empty())
        throw Error("文档没有段落，无法添加形状。");
    // Without an anchor Word takes the selection's paragraph, WPS the last paragraph of the selection's
    // section.
    if (!anchor) {
        const Span& selection = model.selection();
        int position = selection.story.kind == StoryKind::Main ? selection.start : 0;
        if (selection.story.kind == StoryKind::TextFrame)
            position = std::max(0, anchorPosition(main, model.shapeById(selection.story.key)));
        if (model.flavour() == Flavour::Wps) {
            DocumentSections sections(model);
            position = std::max(0, sections.span(sections.sectionAt(position)).end - 1);
        }
        return {main.paragraphs[main.find(position)].node, "page", "page"};
    }
    if (anchor->story.kind != StoryKind::Main)
        throw Error("形状只能锚定在正文中。");
    return {main.paragraphs[main.find(anchor->start)].node, "column", "paragraph"};
}

} // namespace

int DocumentShapes::count() const {
    return static_cast<int>(m_model.shapes().size());
}

int DocumentShapes::idAt(int index) const {
    const std::vector<ShapeEntry>& shapes = m_model.shapes();
    if (index < 1 || index > static_cast<int>(shapes.size()))
        throw Error("所要求的形状不存在：第 " + std::to_string(index) + " 个（共 " +
                    std::to_string(shapes.size()) + " 个）。");
    return shapes[static_cast<std::size_t>(index - 1)].id;
}

std::string DocumentShapes::name(int id) const {
    return anchorOf(m_model, id).child("wp:docPr").attribute("name").value();
}

void DocumentShapes::setName(int id, std::string_view name) {
    xml::setAttribute(anchorOf(m_model, id).child("wp:docPr"), "name", name);
}

StoryId DocumentShapes::textFrame(int id) const {
    if (!xml::firstDescendant(anchorOf(m_model, id), {"w:txbxContent"}))
        throw Error("这个形状没有文本框。");
    return {StoryKind::TextFrame, id};
}

bool DocumentShapes::visible(int id, ShapePart part) const {
    pugi::xml_node anchor = anchorOf(m_model, id);
    pugi::xml_node properties = shapeProperties(anchor);
    pugi::xml_node fill = fillOf(part == ShapePart::Line ? properties.child("a:ln") : properties);
    if (fill)
        return std::string_view(fill.name()) != "a:noFill";
    // Without an outline of its own a shape draws the one its style refers to, if any.
    return part == ShapePart::Line && xml::numberAttribute(lineReference(anchor), "idx", 0) > 0;
}

void DocumentShapes::setVisible(int id, ShapePart part, bool visible) {
    pugi::xml_node anchor = anchorOf(m_model, id);
    pugi::xml_node spPr = shapeProperties(anchor);
    pugi::xml_node properties = part == ShapePart::Line ? outlineOf(anchor) : spPr;
    const xml::ChildOrder& order = part == ShapePart::Line ? outlineOrder : xml::shapePropertyOrder;
    if (!visible) {
        pugi::xml_node fill = fillOf(properties);
        if (fill && std::string_view(fill.name()) != "a:noFill")
            keep(spPr, part, fill);
        replaceFill(properties, "a:noFill", order);
    } else if (!this->visible(id, part) && !restoreKept(spPr, part, properties, order)) {
        setSolid(properties, part == ShapePart::Line ? 0 : 0xFFFFFF, order);
    }
}

int DocumentShapes::color(int id, ShapePart part) const {
    pugi::xml_node properties = shapeProperties(anchorOf(m_model, id));
    return colorOf(fillOf(part == ShapePart::Line ? properties.child("a:ln") : properties));
}

void DocumentShapes::setColor(int id, ShapePart part, int bgr) {
    pugi::xml_node anchor = anchorOf(m_model, id);
    dropKept(shapeProperties(anchor), part); // the new colour is the one to show
    if (part == ShapePart::Line)
        setSolid(outlineOf(anchor), bgr, outlineOrder);
    else
        setSolid(shapeProperties(anchor), bgr, xml::shapePropertyOrder);
}

int DocumentShapes::relativeVerticalPosition(int id) const {
    return frameNumber(anchorOf(m_model, id).child("wp:positionV").attribute("relativeFrom").value(),
                       verticalFrames);
}

void DocumentShapes::setRelativeVerticalPosition(int id, int relative) {
    if (relative < 0 || relative > 7)
        throw Error("垂直位置的参照无效（应为 0 到 7）。");
    changeFrame(m_model, anchorOf(m_model, id).child("wp:positionV"), verticalFrames[relative], true);
}

int DocumentShapes::relativeHorizontalPosition(int id) const {
    return frameNumber(anchorOf(m_model, id).child("wp:positionH").attribute("relativeFrom").value(),
                       horizontalFrames);
}

void DocumentShapes::setRelativeHorizontalPosition(int id, int relative) {
    if (relative < 0 || relative > 7)
        throw Error("水平位置的参照无效（应为 0 到 7）。");
    changeFrame(m_model, anchorOf(m_model, id).child("wp:positionH"), horizontalFrames[relative], false);
}

int DocumentShapes::anchorPosition(int id) const {
    int position = wordproc::anchorPosition(m_model.story({}), anchorOf(m_model, id));
    if (position < 0)
        throw Error("这个形状不在正文中。");
    return position;
}

std::vector<int> DocumentShapes::anchoredIn(const Span& span) const {
    std::vector<int> found;
    if (span.story.kind != StoryKind::Main)
        return found;
    const std::vector<ShapeEntry>& shapes = m_model.shapes();
    const StoryIndex& main = m_model.story({});
    for (const ShapeEntry& shape : shapes) {
        int position = wordproc::anchorPosition(main, shape.anchor);
        if (position >= span.start && position < span.end)
            found.push_back(shape.id);
    }
    return found;
}

float DocumentShapes::textFrameMargin(int id, FrameSide side) const {
    static const std::pair<const char*, long long> insets[] = {
        {"lIns", 91440}, {"tIns", 45720}, {"rIns", 91440}, {"bIns", 45720}};
    const auto& [name, fallback] = insets[static_cast<int>(side)];
    return toPoints(xml::numberAttribute(textBody(anchorOf(m_model, id)), name, fallback));
}

void DocumentShapes::setTextFrameMargin(int id, FrameSide side, float points) {
    static const char* insets[] = {"lIns", "tIns", "rIns", "bIns"};
    if (points < 0 || points > 1584)
        throw Error("文本框的内部边距超出范围。");
    xml::setAttribute(textBody(anchorOf(m_model, id)), insets[static_cast<int>(side)], toEmu(points));
}

int DocumentShapes::textOrientation(int id) const {
    std::string_view direction = textBody(anchorOf(m_model, id)).attribute("vert").value();
    for (int orientation = 1; orientation <= 5; ++orientation) {
        if (direction == textDirections[orientation])
            return orientation;
    }
    return direction == "wordArtVert" || direction == "mongolianVert" ? 5 : 1;
}

void DocumentShapes::setTextOrientation(int id, int orientation) {
    if (orientation < 1 || orientation > 6)
        throw Error("文本框的文字方向无效。");
    xml::setAttribute(textBody(anchorOf(m_model, id)), "vert", textDirections[orientation]);
}

bool DocumentShapes::shown(int id) const {
    return !anchorOf(m_model, id).child("wp:docPr").attribute("hidden").as_bool();
}

void DocumentShapes::setShown(int id, bool shown) {
    pugi::xml_node properties = anchorOf(m_model, id).child("wp:docPr");
    properties.remove_attribute("hidden");
    if (!shown)
        properties.append_attribute("hidden") = 1;
}

ShapeBox DocumentShapes::box(int id) const {
    pugi::xml_node anchor = anchorOf(m_model, id);
    pugi::xml_node extent = anchor.child("wp:extent");
    return {toPoints(offsetOf(anchor.child("wp:positionH"))),
            toPoints(offsetOf(anchor.child("wp:positionV"))), toPoints(xml::numberAttribute(extent, "cx", 0)),
            toPoints(xml::numberAttribute(extent, "cy", 0))};
}

void DocumentShapes::setBox(int id, const ShapeBox& box) {
    if (box.width < 0 || box.height < 0)
        throw Error("形状的大小不能为负。");
    pugi::xml_node anchor = anchorOf(m_model, id);
    setOffset(anchor.child("wp:positionH"), toEmu(box.left));
    setOffset(anchor.child("wp:positionV"), toEmu(box.top));
    for (pugi::xml_node extent : {anchor.child("wp:extent"), drawingExtent(anchor)}) {
        xml::setAttribute(extent, "cx", toEmu(box.width));
        xml::setAttribute(extent, "cy", toEmu(box.height));
    }
}

int DocumentShapes::addLine(float x1, float y1, float x2, float y2, const Span* anchor) {
    Placement placement = placementFor(m_model, anchor);
    int id = freeDrawingId(m_model.root());
    LineSpec spec;
    spec.name = "直线 " + std::to_string(id);
    spec.horizontalFrom = placement.horizontalFrom;
    spec.verticalFrom = placement.verticalFrom;
    spec.x1 = toEmu(x1);
    spec.y1 = toEmu(y1);
    spec.x2 = toEmu(x2);
    spec.y2 = toEmu(y2);
    declareDrawingNamespaces(m_model.root());
    insertLine(placement.paragraph, {}, spec, id);
    // The new drawing is not in the model's lists yet; it is found again once they are let go of, and
    // let go of once more after it is put on top, since WPS counts shapes as they are stacked.
    m_model.structureChanged();
    stackOnTop(m_model.root(), m_model.shapeById(id));
    m_model.structureChanged();
    return id;
}

int DocumentShapes::addTextbox(int orientation, float left, float top, float width, float height,
                               const Span* anchor) {
    if (orientation < 1 || orientation > 6)
        throw Error("文本框的文字方向无效。");
    if (width < 0 || height < 0)
        throw Error("形状的大小不能为负。");
    Placement placement = placementFor(m_model, anchor);
    int id = freeDrawingId(m_model.root());
    TextBoxSpec spec;
    spec.name = "文本框 " + std::to_string(id);
    spec.horizontal = {placement.horizontalFrom, toEmu(left), {}};
    spec.vertical = {placement.verticalFrom, toEmu(top), {}};
    spec.width = toEmu(width);
    spec.height = toEmu(height);
    spec.lineColor = "000000";
    spec.fillColor = "FFFFFF";
    spec.textDirection = textDirections[orientation];
    declareDrawingNamespaces(m_model.root());
    insertTextBox(placement.paragraph, {}, spec, id);
    // The new drawing is not in the model's lists yet; it is found again once they are let go of, and
    // let go of once more after it is put on top, since WPS counts shapes as they are stacked.
    m_model.structureChanged();
    stackOnTop(m_model.root(), m_model.shapeById(id));
    m_model.structureChanged();
    return id;
}

} // namespace wordproc
