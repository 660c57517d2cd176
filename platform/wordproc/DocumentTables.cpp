#include "platform/wordproc/DocumentTables.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/ParagraphEdits.h"
#include "platform/wordproc/TextInsertion.h"

#include <string>
#include <vector>

namespace wordproc {

namespace {

void collectTables(pugi::xml_node container, std::vector<pugi::xml_node>& tables) {
    for (pugi::xml_node child : container.children()) {
        std::string_view name = child.name();
        if (name == "w:tbl")
            tables.push_back(child);
        else if (name == "w:sdt")
            collectTables(child.child("w:sdtContent"), tables);
        else if (name == "w:customXml")
            collectTables(child, tables);
    }
}

pugi::xml_node tableAt(const DocumentModel& model, int table) {
    std::vector<pugi::xml_node> tables;
    collectTables(model.body(), tables);
    if (table < 1 || table > static_cast<int>(tables.size()))
        throw Error("所要求的表格不存在：第 " + std::to_string(table) + " 个（共 " +
                    std::to_string(tables.size()) + " 个）。");
    return tables[static_cast<std::size_t>(table - 1)];
}

pugi::xml_node nth(pugi::xml_node parent, const char* name, int n) {
    int i = 0;
    for (pugi::xml_node child : parent.children(name)) {
        if (++i == n)
            return child;
    }
    return {};
}

const ParagraphEntry* entryOf(const StoryIndex& index, pugi::xml_node paragraph) {
    for (const ParagraphEntry& entry : index.paragraphs) {
        if (entry.node == paragraph)
            return &entry;
    }
    return nullptr;
}

// The position in the main text of a node that takes no room (a bookmark's start or end).
int positionOf(DocumentModel& model, pugi::xml_node node) {
    const StoryIndex& index = model.story({});
    pugi::xml_node paragraph = node;
    while (paragraph && std::string_view(paragraph.name()) != "w:p")
        paragraph = paragraph.parent();
    if (const ParagraphEntry* entry = entryOf(index, paragraph))
        return entry->start + offsetOfNode(entry->node, node);
    // Between paragraphs: the start of the next one, or the end of the text.
    for (pugi::xml_node sibling = node.next_sibling(); sibling; sibling = sibling.next_sibling()) {
        if (const ParagraphEntry* entry =
                entryOf(index, sibling.select_node("descendant-or-self::w:p").node()))
            return entry->start;
    }
    return index.length;
}

struct BookmarkNodes {
    pugi::xml_node start;
    pugi::xml_node end;
};

BookmarkNodes findBookmark(const DocumentModel& model, std::string_view name) {
    for (pugi::xpath_node hit : model.body().select_nodes(".//w:bookmarkStart")) {
        if (name != hit.node().attribute("w:name").value())
            continue;
        std::string query =
            ".//w:bookmarkEnd[@w:id='" + std::string(hit.node().attribute("w:id").value()) + "']";
        return {hit.node(), model.body().select_node(query.c_str()).node()};
    }
    throw Error("文档中没有名为“" + std::string(name) + "”的书签。");
}

} // namespace

int DocumentTables::count() const {
    std::vector<pugi::xml_node> tables;
    collectTables(m_model.body(), tables);
    return static_cast<int>(tables.size());
}

int DocumentTables::rowCount(int table) const {
    return static_cast<int>(std::distance(tableAt(m_model, table).children("w:tr").begin(),
                                          tableAt(m_model, table).children("w:tr").end()));
}

int DocumentTables::cellCount(int table, int row) const {
    pugi::xml_node cells = nth(tableAt(m_model, table), "w:tr", row);
    return static_cast<int>(std::distance(cells.children("w:tc").begin(), cells.children("w:tc").end()));
}

Span DocumentTables::table(int table) const {
    pugi::xml_node node = tableAt(m_model, table);
    const StoryIndex& index = m_model.story({});
    const ParagraphEntry* first = nullptr;
    const ParagraphEntry* last = nullptr;
    for (const ParagraphEntry& entry : index.paragraphs) {
        bool inside = false;
        for (pugi::xml_node up = entry.node.parent(); up && !inside; up = up.parent())
            inside = up == node;
        if (inside) {
            first = first ? first : &entry;
            last = &entry;
        }
    }
    if (!first)
        throw Error("这个表格没有段落。");
    return {{}, first->start, last->end()};
}

Span DocumentTables::cell(int table, int row, int column) const {
    pugi::xml_node cell = nth(nth(tableAt(m_model, table), "w:tr", row), "w:tc", column);
    if (!cell)
        throw Error("表格中没有第 " + std::to_string(row) + " 行第 " + std::to_string(column) +
                    " 列的单元格。");
    pugi::xpath_node_set paragraphs = cell.select_nodes(".//w:p[not(ancestor::w:txbxContent)]");
    const StoryIndex& index = m_model.story({});
    const ParagraphEntry* first = paragraphs.empty() ? nullptr : entryOf(index, paragraphs.first().node());
    const ParagraphEntry* last =
        paragraphs.empty() ? nullptr : entryOf(index, paragraphs[paragraphs.size() - 1].node());
    if (!first || !last)
        throw Error("单元格已损坏（没有段落）。");
    return {{}, first->start, last->markPosition() + 1};
}

int DocumentBookmarks::count() const {
    return static_cast<int>(m_model.body().select_nodes(".//w:bookmarkStart").size());
}

std::string DocumentBookmarks::name(int index) const {
    pugi::xpath_node_set starts = m_model.body().select_nodes(".//w:bookmarkStart");
    if (index < 1 || index > static_cast<int>(starts.size()))
        throw Error("所要求的书签不存在：第 " + std::to_string(index) + " 个（共 " +
                    std::to_string(starts.size()) + " 个）。");
    return starts[static_cast<std::size_t>(index - 1)].node().attribute("w:name").value();
}

bool DocumentBookmarks::exists(std::string_view name) const {
    for (pugi::xpath_node hit : m_model.body().select_nodes(".//w:bookmarkStart")) {
        if (name == hit.node().attribute("w:name").value())
            return true;
    }
    return false;
}

Span DocumentBookmarks::span(std::string_view name) const {
    BookmarkNodes nodes = findBookmark(m_model, name);
    int start = positionOf(m_model, nodes.start);
    int end = nodes.end ? positionOf(m_model, nodes.end) : start;
    return {{}, start, std::max(start, end)};
}

void DocumentBookmarks::setText(std::string_view name, std::string_view text) {
    Span old = span(name);
    pugi::xml_document scratch;
    pugi::xml_node format =
        scratch.append_copy(formatAtPosition(m_model, {}, old.start, old.end > old.start));
    m_text.erase({}, old.start, old.end);
    BookmarkNodes nodes = findBookmark(m_model, name);
    pugi::xml_node paragraph = nodes.start.parent();
    while (paragraph && std::string_view(paragraph.name()) != "w:p")
        paragraph = paragraph.parent();
    int length = paragraph ? insertAtPoint(m_model, {}, paragraph,
                                           {nodes.start.parent(), nodes.start.next_sibling()}, text, format)
                           : insertAtPosition(m_model, {}, old.start, Bias::After, text, format);
    m_model.tracker().inserted({}, old.start, length, nullptr);
}

} // namespace wordproc
