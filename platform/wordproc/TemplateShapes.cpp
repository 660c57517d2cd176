#include "platform/wordproc/TemplateShapes.h"

#include "platform/wordproc/DrawingWriter.h"
#include "platform/wordproc/Error.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace wordproc {

namespace {

// The highest place in the stack that a short form may ask for.
constexpr int MaxStackLevel = 10000;

constexpr const char* textElements[] = {"w:t", "w:instrText", "w:delText", "w:delInstrText", "a:t"};

bool holdsText(std::string_view name) {
    for (const char* element : textElements) {
        if (name == element)
            return true;
    }
    return false;
}

// A length with its unit: "37mm", "2.5cm", "16pt", "1in" or "12700emu".
Emu parseLength(std::string_view value, const std::string& where) {
    double number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    std::string_view unit(end, static_cast<std::size_t>(value.data() + value.size() - end));
    double scale = unit == "mm"    ? 36000
                   : unit == "cm"  ? 360000
                   : unit == "pt"  ? 12700
                   : unit == "in"  ? 914400
                   : unit == "emu" ? 1
                                   : 0;
    if (error != std::errc() || end == value.data() || scale == 0)
        throw Error(where + "：“" + std::string(value) + "”不是长度（应写成 37mm、2.5cm、16pt 这样）。");
    return static_cast<Emu>(std::llround(number * scale));
}

std::string parseColor(std::string_view value, const std::string& where) {
    bool hex =
        value.size() == 6 && value.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
    if (!hex)
        throw Error(where + "：“" + std::string(value) + "”不是颜色（应写成 FF0000 这样）。");
    return std::string(value);
}

// Reads the attributes of one short-form element, refusing names it does not know.
class Attributes {
public:
    Attributes(pugi::xml_node element, std::set<std::string> known, std::string where)
        : m_element(element), m_where(std::move(where)) {
        for (pugi::xml_attribute attribute : element.attributes()) {
            if (!known.count(attribute.name()))
                throw Error(m_where + "：不认识的属性“" + attribute.name() + "”。");
        }
    }
    std::string text(const char* name, const char* fallback = nullptr) const {
        pugi::xml_attribute attribute = m_element.attribute(name);
        if (!attribute && !fallback)
            throw Error(m_where + "：缺少属性“" + name + "”。");
        return attribute ? attribute.value() : fallback;
    }
    Emu length(const char* name, const char* fallback = nullptr) const {
        return parseLength(text(name, fallback), m_where);
    }
    std::optional<std::string> color(const char* name) const {
        std::string value = text(name, "none");
        if (value == "none")
            return std::nullopt;
        return parseColor(value, m_where);
    }
    // A length, or an alignment keyword in its place.
    AnchorAxis axis(const char* name, const char* fromName) const {
        AnchorAxis axis;
        axis.relativeFrom = text(fromName, "page");
        std::string value = text(name, "0mm");
        if (!value.empty() && std::isalpha(static_cast<unsigned char>(value[0])))
            axis.align = value;
        else
            axis.offset = parseLength(value, m_where);
        return axis;
    }

private:
    pugi::xml_node m_element;
    std::string m_where;
};

// The short form's place in the drawing's stack ("z", counted from 1 at the bottom like the shapes'
// numbers), written on the anchor that the writer put in front of the element; without it the shape
// keeps the writer's height, which numberDrawings turns into its number.
void stackAsWritten(pugi::xml_node element, const Attributes& attributes, const std::string& where) {
    if (!element.attribute("z"))
        return;
    std::string value = attributes.text("z");
    int level = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), level);
    if (error != std::errc() || end != value.data() + value.size() || level < 1 || level > MaxStackLevel)
        throw Error(where + "：“" + value + "”不是叠放次序（应写成 1 到 " + std::to_string(MaxStackLevel) +
                    " 的整数）。");
    pugi::xml_node anchor = element.previous_sibling().child("w:drawing").child("wp:anchor");
    anchor.attribute("relativeHeight").set_value(stackBase() + level);
}

void expandTextBox(pugi::xml_node element, const std::string& where) {
    Attributes attributes(element,
                          {"name", "x", "y", "from-x", "from-y", "width", "height", "line", "line-width",
                           "fill", "inset", "behind", "z"},
                          where);
    TextBoxSpec spec;
    spec.name = attributes.text("name");
    spec.horizontal = attributes.axis("x", "from-x");
    spec.vertical = attributes.axis("y", "from-y");
    spec.width = attributes.length("width");
    spec.height = attributes.length("height");
    spec.lineColor = attributes.color("line");
    spec.lineWidth = attributes.length("line-width", "0.75pt");
    spec.fillColor = attributes.color("fill");
    if (element.attribute("inset"))
        spec.insetX = spec.insetY = attributes.length("inset");
    spec.behindText = attributes.text("behind", "no") == "yes";
    pugi::xml_node paragraph = element.parent();
    pugi::xml_node content = insertTextBox(paragraph, element, spec, 0);
    stackAsWritten(element, attributes, where);
    if (element.first_child())
        content.remove_child(content.first_child());
    while (pugi::xml_node block = element.first_child())
        content.append_move(block);
    paragraph.remove_child(element);
}

void expandLine(pugi::xml_node element, const std::string& where) {
    Attributes attributes(element,
                          {"name", "x1", "y1", "x2", "y2", "from-x", "from-y", "color", "width", "z"}, where);
    LineSpec spec;
    spec.name = attributes.text("name");
    spec.horizontalFrom = attributes.text("from-x", "page");
    spec.verticalFrom = attributes.text("from-y", "page");
    spec.x1 = attributes.length("x1");
    spec.y1 = attributes.length("y1");
    spec.x2 = attributes.length("x2");
    spec.y2 = attributes.length("y2");
    spec.color = parseColor(attributes.text("color", "000000"), where);
    spec.width = attributes.length("width", "0.75pt");
    pugi::xml_node paragraph = element.parent();
    insertLine(paragraph, element, spec, 0);
    stackAsWritten(element, attributes, where);
    paragraph.remove_child(element);
}

void collect(pugi::xml_node node, std::vector<pugi::xml_node>& found) {
    for (pugi::xml_node child : node.children()) {
        std::string_view name = child.name();
        if (name == "t:textbox" || name == "t:line")
            found.push_back(child);
        collect(child, found);
    }
}

} // namespace

namespace {

// Indentation between elements; text such as a drawing's position offsets is content.
bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

void dropLayoutWhitespace(pugi::xml_node node) {
    bool keep = holdsText(node.name());
    for (pugi::xml_node child = node.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata && !keep && isBlank(child.value()))
            node.remove_child(child);
        else if (child.type() == pugi::node_element)
            dropLayoutWhitespace(child);
        child = next;
    }
}

void expandShortFormShapes(pugi::xml_node root, const std::string& what) {
    std::vector<pugi::xml_node> found;
    collect(root, found);
    // Innermost first: shapes written inside a text box are expanded before the box takes its content.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        pugi::xml_node element = *it;
        std::string where = what + "（" + element.name() + " “" + element.attribute("name").value() + "”）";
        if (std::string_view(element.parent().name()) != "w:p")
            throw Error(where + "：形状须写在段落（w:p）里。");
        if (std::string_view(element.name()) == "t:textbox")
            expandTextBox(element, where);
        else
            expandLine(element, where);
    }
}

void numberDrawings(pugi::xml_node root, const std::string& what) {
    int id = 0;
    std::map<long long, std::string> stack;
    for (pugi::xpath_node hit : root.select_nodes(".//wp:docPr")) {
        hit.node().attribute("id").set_value(++id);
        // Shapes written from the short form without a place of their own stack in document order.
        pugi::xml_attribute height = hit.node().parent().attribute("relativeHeight");
        if (!height)
            continue;
        if (height.as_llong() == stackBase())
            height.set_value(stackBase() + id);
        // WPS counts the shapes by their places in the stack: two at one place would leave the count to
        // the anchors' order, which the source does not show.
        std::string name = hit.node().attribute("name").value();
        auto [other, added] = stack.emplace(height.as_llong(), name);
        if (!added)
            throw Error(what + "：形状“" + other->second + "”和“" + name + "”的叠放次序相同。");
    }
}

} // namespace wordproc
