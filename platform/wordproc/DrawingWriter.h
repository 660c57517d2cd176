#pragma once
// Writes floating DrawingML shapes (text boxes and lines) as anchored runs of a paragraph: the one
// writer for the template builder and for shapes added through automation.

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace wordproc {

// EMU: 914400 an inch, 12700 a point, 36000 a millimetre.
using Emu = std::int64_t;

// One axis of an anchor: measured from an edge ("page", "margin", "column", "paragraph" ...) by an
// offset, or aligned ("center", "left", "top" ...) when `align` is set.
struct AnchorAxis {
    std::string relativeFrom = "page";
    Emu offset = 0;
    std::string align;
};

struct TextBoxSpec {
    std::string name;
    AnchorAxis horizontal;
    AnchorAxis vertical;
    Emu width = 0;
    Emu height = 0;
    std::optional<std::string> lineColor; // RRGGBB; none: no outline
    Emu lineWidth = 9525;
    std::optional<std::string> fillColor; // RRGGBB; none: transparent
    Emu insetX = 91440;
    Emu insetY = 45720;
    bool behindText = false;
    std::string textDirection = "horz"; // wps:bodyPr/@vert: horz, vert, vert270, eaVert ...
};

struct LineSpec {
    std::string name;
    std::string horizontalFrom = "page";
    std::string verticalFrom = "page";
    Emu x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string color = "000000";
    Emu width = 9525;
};

// Inserts a run holding the text box before `before` in `parent` (append when `before` is null) and
// returns the box's w:txbxContent, which holds one empty paragraph.
pugi::xml_node insertTextBox(pugi::xml_node parent, pugi::xml_node before, const TextBoxSpec& spec, int id);

// Inserts a run holding the line before `before` in `parent` (append when `before` is null).
pugi::xml_node insertLine(pugi::xml_node parent, pugi::xml_node before, const LineSpec& spec, int id);

// The stacking order of a shape written with id 0; shapes are stacked above it by their id.
long long stackBase();

// Declares on the document's root element the namespaces that the shapes use, where missing.
void declareDrawingNamespaces(pugi::xml_node root);

} // namespace wordproc
