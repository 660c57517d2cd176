#include "platform/wordproc/ShapeIndex.h"

#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace wordproc {

namespace {

void collectAnchors(pugi::xml_node node, std::vector<ShapeEntry>& found) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element)
            continue;
        std::string_view name = child.name();
        if (name == "wp:anchor") {
            int id = static_cast<int>(xml::numberAttribute(child.child("wp:docPr"), "id", 0));
            found.push_back({child, id});
        } else if (name != "mc:Fallback" && name != "w:txbxContent" && name != "w:pPr") {
            collectAnchors(child, found);
        }
    }
}

// Drawing ids are 32-bit numbers in the file; the engine keeps them to positive ints, and a file's id
// outside that range is renumbered like a missing one.
constexpr long long MaxDrawingId = std::numeric_limits<int>::max();

bool usableId(long long id) {
    return id > 0 && id <= MaxDrawingId;
}

// The first id from `from` upwards that is not taken, starting again at 1 past the largest.
long long firstFreeFrom(const std::set<long long>& taken, long long from) {
    if (from > MaxDrawingId)
        from = 1;
    while (taken.count(from))
        ++from;
    return from;
}

// Every wp:docPr below the node, in document order.
std::vector<pugi::xml_node> drawingProperties(pugi::xml_node root) {
    static const pugi::xpath_query query(".//wp:docPr");
    return xml::select(root, query);
}

std::set<long long> usableIds(pugi::xml_node root) {
    std::set<long long> taken;
    for (pugi::xml_node docPr : drawingProperties(root)) {
        long long id = xml::numberAttribute(docPr, "id", 0);
        if (usableId(id))
            taken.insert(id);
    }
    return taken;
}

// wp:anchor/@relativeHeight is an unsigned 32-bit number; a value outside it counts as its nearer end.
constexpr long long MaxRelativeHeight = std::numeric_limits<std::uint32_t>::max();

long long relativeHeight(pugi::xml_node anchor) {
    return std::clamp(xml::numberAttribute(anchor, "relativeHeight", 0), 0LL, MaxRelativeHeight);
}

bool behindText(pugi::xml_node anchor) {
    return anchor.attribute("behindDoc").as_bool();
}

// Bottom of the stack first; std::stable_sort keeps the anchors' order between equals.
bool drawnBefore(const ShapeEntry& a, const ShapeEntry& b) {
    if (behindText(a.anchor) != behindText(b.anchor))
        return behindText(a.anchor);
    return relativeHeight(a.anchor) < relativeHeight(b.anchor);
}

std::vector<ShapeEntry> stackOf(pugi::xml_node root) {
    std::vector<ShapeEntry> shapes;
    collectAnchors(root, shapes);
    std::stable_sort(shapes.begin(), shapes.end(), drawnBefore);
    return shapes;
}

} // namespace

std::vector<ShapeEntry> listShapes(const StoryIndex& story, ShapeOrder order) {
    std::vector<ShapeEntry> shapes;
    for (const ParagraphEntry& paragraph : story.paragraphs)
        collectAnchors(paragraph.node, shapes);
    if (order == ShapeOrder::Stacking)
        std::stable_sort(shapes.begin(), shapes.end(), drawnBefore);
    return shapes;
}

void stackOnTop(pugi::xml_node root, pugi::xml_node anchor) {
    long long top = 0;
    for (const ShapeEntry& shape : stackOf(root)) {
        if (shape.anchor != anchor)
            top = std::max(top, relativeHeight(shape.anchor));
    }
    if (top >= MaxRelativeHeight) {
        // Restack from the bottom, one height each, the new shape left out for the top.
        top = 0;
        for (const ShapeEntry& shape : stackOf(root)) {
            if (shape.anchor != anchor)
                xml::setAttribute(shape.anchor, "relativeHeight", ++top);
        }
    }
    xml::setAttribute(anchor, "relativeHeight", top + 1);
}

int anchorPosition(const StoryIndex& story, pugi::xml_node anchor) {
    // The item of the paragraph that holds the drawing: a child of its run.
    pugi::xml_node item = anchor;
    while (item.parent() && std::string_view(item.parent().name()) != "w:r")
        item = item.parent();
    pugi::xml_node paragraph = item.parent().parent();
    while (paragraph && std::string_view(paragraph.name()) != "w:p")
        paragraph = paragraph.parent();
    for (const ParagraphEntry& entry : story.paragraphs) {
        if (entry.node == paragraph)
            return entry.start + offsetOfNode(paragraph, item);
    }
    return -1;
}

std::unordered_map<int, pugi::xml_node> drawingsById(pugi::xml_node root) {
    std::unordered_map<int, pugi::xml_node> drawings;
    for (pugi::xml_node docPr : drawingProperties(root)) {
        long long id = xml::numberAttribute(docPr, "id", 0);
        if (usableId(id))
            drawings.try_emplace(static_cast<int>(id), docPr.parent());
    }
    return drawings;
}

void ensureUniqueDrawingIds(pugi::xml_node root) {
    std::set<long long> taken;
    std::vector<pugi::xml_node> renumber;
    for (pugi::xml_node docPr : drawingProperties(root)) {
        long long id = xml::numberAttribute(docPr, "id", 0);
        if (!usableId(id) || !taken.insert(id).second)
            renumber.push_back(docPr);
    }
    long long next = taken.empty() ? 1 : *taken.rbegin() + 1;
    for (pugi::xml_node docPr : renumber) {
        next = firstFreeFrom(taken, next);
        taken.insert(next);
        xml::setAttribute(docPr, "id", next);
    }
}

int freeDrawingId(pugi::xml_node root) {
    std::set<long long> taken = usableIds(root);
    return static_cast<int>(firstFreeFrom(taken, taken.empty() ? 1 : *taken.rbegin() + 1));
}

} // namespace wordproc
