#include "platform/wordproc/DrawingWriter.h"

#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

constexpr const char* WordprocessingShapeUri =
    "http://schemas.microsoft.com/office/word/2010/wordprocessingShape";
constexpr const char* DrawingMainNamespace = "http://schemas.openxmlformats.org/drawingml/2006/main";

// Stacking order: later shapes above earlier ones, as drawn.
constexpr long long BaseRelativeHeight = 251658240;

struct Frame {
    AnchorAxis horizontal;
    AnchorAxis vertical;
    Emu width;
    Emu height;
    bool behindText;
};

void writeAxis(pugi::xml_node anchor, const char* name, const AnchorAxis& axis) {
    pugi::xml_node node = anchor.append_child(name);
    node.append_attribute("relativeFrom") = axis.relativeFrom.c_str();
    if (!axis.align.empty())
        node.append_child("wp:align").text() = axis.align.c_str();
    else
        node.append_child("wp:posOffset").text() = std::to_string(axis.offset).c_str();
}

// <w:r><w:drawing><wp:anchor> with position, size, wrapping and name; returns the wps:wsp to fill.
pugi::xml_node writeAnchor(pugi::xml_node parent, pugi::xml_node before, const Frame& frame,
                           const std::string& name, int id) {
    pugi::xml_node run = before ? parent.insert_child_before("w:r", before) : parent.append_child("w:r");
    pugi::xml_node anchor = run.append_child("w:drawing").append_child("wp:anchor");
    for (const char* distance : {"distT", "distB", "distL", "distR"})
        anchor.append_attribute(distance) = 0;
    anchor.append_attribute("simplePos") = 0;
    anchor.append_attribute("relativeHeight") = BaseRelativeHeight + id;
    anchor.append_attribute("behindDoc") = frame.behindText ? 1 : 0;
    anchor.append_attribute("locked") = 0;
    anchor.append_attribute("layoutInCell") = 1;
    anchor.append_attribute("allowOverlap") = 1;
    pugi::xml_node simple = anchor.append_child("wp:simplePos");
    simple.append_attribute("x") = 0;
    simple.append_attribute("y") = 0;
    writeAxis(anchor, "wp:positionH", frame.horizontal);
    writeAxis(anchor, "wp:positionV", frame.vertical);
    pugi::xml_node extent = anchor.append_child("wp:extent");
    extent.append_attribute("cx") = static_cast<long long>(frame.width);
    extent.append_attribute("cy") = static_cast<long long>(frame.height);
    pugi::xml_node effect = anchor.append_child("wp:effectExtent");
    for (const char* side : {"l", "t", "r", "b"})
        effect.append_attribute(side) = 0;
    anchor.append_child("wp:wrapNone");
    pugi::xml_node docPr = anchor.append_child("wp:docPr");
    docPr.append_attribute("id") = id;
    docPr.append_attribute("name") = name.c_str();
    anchor.append_child("wp:cNvGraphicFramePr");
    pugi::xml_node graphic = anchor.append_child("a:graphic");
    graphic.append_attribute("xmlns:a") = DrawingMainNamespace;
    pugi::xml_node data = graphic.append_child("a:graphicData");
    data.append_attribute("uri") = WordprocessingShapeUri;
    return data.append_child("wps:wsp");
}

void writeTransform(pugi::xml_node spPr, Emu width, Emu height, bool flipH, bool flipV) {
    pugi::xml_node xfrm = spPr.append_child("a:xfrm");
    if (flipH)
        xfrm.append_attribute("flipH") = 1;
    if (flipV)
        xfrm.append_attribute("flipV") = 1;
    pugi::xml_node off = xfrm.append_child("a:off");
    off.append_attribute("x") = 0;
    off.append_attribute("y") = 0;
    pugi::xml_node ext = xfrm.append_child("a:ext");
    ext.append_attribute("cx") = static_cast<long long>(width);
    ext.append_attribute("cy") = static_cast<long long>(height);
}

void writeGeometry(pugi::xml_node spPr, const char* preset) {
    pugi::xml_node geometry = spPr.append_child("a:prstGeom");
    geometry.append_attribute("prst") = preset;
    geometry.append_child("a:avLst");
}

void writeFill(pugi::xml_node parent, const std::optional<std::string>& color) {
    if (!color) {
        parent.append_child("a:noFill");
        return;
    }
    parent.append_child("a:solidFill").append_child("a:srgbClr").append_attribute("val") = color->c_str();
}

void writeOutline(pugi::xml_node spPr, Emu width, const std::optional<std::string>& color) {
    pugi::xml_node line = spPr.append_child("a:ln");
    line.append_attribute("w") = static_cast<long long>(width);
    writeFill(line, color);
}

void writeBody(pugi::xml_node wsp, const TextBoxSpec& spec) {
    pugi::xml_node body = wsp.append_child("wps:bodyPr");
    body.append_attribute("rot") = 0;
    body.append_attribute("vert") = spec.textDirection.c_str();
    body.append_attribute("wrap") = "square";
    body.append_attribute("lIns") = static_cast<long long>(spec.insetX);
    body.append_attribute("tIns") = static_cast<long long>(spec.insetY);
    body.append_attribute("rIns") = static_cast<long long>(spec.insetX);
    body.append_attribute("bIns") = static_cast<long long>(spec.insetY);
    body.append_attribute("anchor") = "t";
    body.append_attribute("anchorCtr") = 0;
    body.append_attribute("upright") = 1;
    body.append_child("a:noAutofit");
}

} // namespace

pugi::xml_node insertTextBox(pugi::xml_node parent, pugi::xml_node before, const TextBoxSpec& spec, int id) {
    Frame frame{spec.horizontal, spec.vertical, spec.width, spec.height, spec.behindText};
    pugi::xml_node wsp = writeAnchor(parent, before, frame, spec.name, id);
    wsp.append_child("wps:cNvSpPr").append_attribute("txBox") = 1;
    pugi::xml_node spPr = wsp.append_child("wps:spPr");
    writeTransform(spPr, spec.width, spec.height, false, false);
    writeGeometry(spPr, "rect");
    writeFill(spPr, spec.fillColor);
    writeOutline(spPr, spec.lineWidth, spec.lineColor);
    pugi::xml_node content = wsp.append_child("wps:txbx").append_child("w:txbxContent");
    content.append_child("w:p");
    writeBody(wsp, spec);
    return content;
}

pugi::xml_node insertLine(pugi::xml_node parent, pugi::xml_node before, const LineSpec& spec, int id) {
    Emu width = spec.x2 >= spec.x1 ? spec.x2 - spec.x1 : spec.x1 - spec.x2;
    Emu height = spec.y2 >= spec.y1 ? spec.y2 - spec.y1 : spec.y1 - spec.y2;
    bool flipH = spec.x2 < spec.x1;
    bool flipV = spec.y2 < spec.y1;
    Frame frame{{spec.horizontalFrom, std::min(spec.x1, spec.x2), {}},
                {spec.verticalFrom, std::min(spec.y1, spec.y2), {}},
                width,
                height,
                false};
    pugi::xml_node wsp = writeAnchor(parent, before, frame, spec.name, id);
    wsp.append_child("wps:cNvSpPr");
    pugi::xml_node spPr = wsp.append_child("wps:spPr");
    writeTransform(spPr, width, height, flipH, flipV);
    writeGeometry(spPr, "line");
    spPr.append_child("a:noFill");
    writeOutline(spPr, spec.width, spec.color);
    wsp.append_child("wps:bodyPr");
    return wsp.parent().parent().parent().parent().parent(); // the run
}

long long stackBase() {
    return BaseRelativeHeight;
}

void declareDrawingNamespaces(pugi::xml_node root) {
    static const std::pair<const char*, const char*> declarations[] = {
        {"xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
        {"xmlns:wps", WordprocessingShapeUri},
        {"xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
    };
    for (const auto& [name, uri] : declarations) {
        if (!root.attribute(name))
            root.append_attribute(name) = uri;
    }
}

} // namespace wordproc
