#include "platform/wordproc/LayoutModel.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/LineBreaking.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace wordproc {

namespace {

constexpr int EmuPerTwip = 635;

struct SectionGeometry {
    LineRoom room;
    int height = 0;
    int start = 2; // how the section starts (SectionOptions.h numbers)
    std::optional<int> restart;
};

int bodyNaturalLine(const StyleSheet& styles) {
    CharFormat format = resolveCharFormat([&](const PropertyKey& key) {
        return styles.styleProperty(styles.defaultStyle("paragraph"), "w:rPr", key);
    });
    return static_cast<int>(std::lround(format.size.value_or(10.0f) * 20 * 1.3));
}

SectionGeometry geometryOf(pugi::xml_node section, int bodyLine) {
    static const char* starts[] = {"continuous", "nextColumn", "nextPage", "evenPage", "oddPage"};
    SectionGeometry geometry;
    geometry.room.width = std::max(1, textWidthTwips(section));
    pugi::xml_node margins = section.child("w:pgMar");
    long long height = xml::numberAttribute(section.child("w:pgSz"), "w:h", 16838) -
                       xml::numberAttribute(margins, "w:top", 1440) -
                       xml::numberAttribute(margins, "w:bottom", 1440);
    geometry.height = static_cast<int>(std::max(1LL, height));
    pugi::xml_node grid = section.child("w:docGrid");
    std::string_view type = grid.attribute("w:type").value();
    long long pitch = xml::numberAttribute(grid, "w:linePitch", 0);
    geometry.room.grid = !type.empty() && type != "default" && pitch > 0;
    geometry.room.pitch = geometry.room.grid ? static_cast<int>(pitch) : std::max(1, bodyLine);
    std::string_view start = section.child("w:type").attribute("w:val").value();
    for (int i = 0; i < 5; ++i)
        geometry.start = start == starts[i] ? i : geometry.start;
    if (pugi::xml_attribute restart = section.child("w:pgNumType").attribute("w:start"))
        geometry.restart = restart.as_int();
    return geometry;
}

// The table that a paragraph of the main text stands in at the top level, or null.
pugi::xml_node outerTable(pugi::xml_node paragraph) {
    pugi::xml_node table;
    for (pugi::xml_node node = paragraph.parent(); node; node = node.parent()) {
        if (std::string_view(node.name()) == "w:tbl")
            table = node;
    }
    return table;
}

// The ancestor of the node that is a child of `parent`.
pugi::xml_node childOf(pugi::xml_node parent, pugi::xml_node node) {
    while (node && node.parent() != parent)
        node = node.parent();
    return node;
}

class Paginator {
public:
    Paginator(DocumentModel& model) : m_index(model.story({})), m_styles(model.styleSheet()) {
        int bodyLine = bodyNaturalLine(m_styles);
        for (pugi::xml_node section : model.sections())
            m_sections.push_back(geometryOf(section, bodyLine));
        if (m_sections.empty())
            throw Error("文档没有节，无法分页。");
    }

    LaidOut run() {
        startSection(0);
        for (std::size_t i = 0; i < m_index.paragraphs.size();) {
            const ParagraphEntry& entry = m_index.paragraphs[i];
            pugi::xml_node table = outerTable(entry.node);
            if (table) {
                i = placeTable(i, table);
                continue;
            }
            place(breakParagraph(entry, m_styles, current().room));
            ++i;
            if (entry.node.child("w:pPr").child("w:sectPr") && m_section + 1 < m_sections.size())
                startSection(m_section + 1);
        }
        m_result.pages = m_page;
        return std::move(m_result);
    }

private:
    const SectionGeometry& current() const { return m_sections[m_section]; }

    void newPage() {
        ++m_page;
        ++m_number;
        m_y = 0;
        m_filled = false;
    }

    void startSection(std::size_t section) {
        m_section = section;
        const SectionGeometry& geometry = current();
        bool newPageStart = geometry.start >= 2;
        if (section > 0 && newPageStart && m_filled)
            newPage();
        if (geometry.restart && (newPageStart || section == 0) && !m_filled)
            m_number = *geometry.restart;
        bool wrongParity =
            (geometry.start == 3 && m_number % 2 != 0) || (geometry.start == 4 && m_number % 2 == 0);
        if (section > 0 && wrongParity)
            newPage();
    }

    void addLine(const BrokenLine& line, int page, int number) {
        m_result.lines.push_back(
            {line.start, line.end, line.lastCaret, page, number, static_cast<int>(m_section) + 1});
    }

    void place(const BrokenParagraph& paragraph) {
        if (paragraph.pageBreakBefore && m_filled)
            newPage();
        m_y += paragraph.before;
        for (const BrokenLine& line : paragraph.lines) {
            if (m_filled && m_y + paragraph.lineHeight > current().height)
                newPage();
            addLine(line, m_page, m_number);
            m_y += paragraph.lineHeight;
            m_filled = true;
            if (line.pageBreakAfter)
                newPage();
        }
        m_y += paragraph.after;
    }

    std::size_t placeTable(std::size_t first, pugi::xml_node table);
    void placeRow(const std::vector<std::vector<std::size_t>>& cells, pugi::xml_node row);
    // Lays a cell's lines out from the row's top, over the pages that they reach.
    void placeCell(const std::vector<BrokenParagraph>& cell);
    // Goes down by the height, on to the next pages where it runs over.
    void advance(int height);

    const StoryIndex& m_index;
    const StyleSheet& m_styles;
    std::vector<SectionGeometry> m_sections;
    std::size_t m_section = 0;
    int m_page = 1;
    int m_number = 1;
    int m_y = 0;
    bool m_filled = false; // something stands on the current page
    LaidOut m_result;
};

std::size_t Paginator::placeTable(std::size_t first, pugi::xml_node table) {
    std::size_t i = first;
    while (i < m_index.paragraphs.size() && outerTable(m_index.paragraphs[i].node) == table) {
        pugi::xml_node row = childOf(table, m_index.paragraphs[i].node);
        std::vector<std::vector<std::size_t>> cells;
        pugi::xml_node cell;
        for (; i < m_index.paragraphs.size() && childOf(table, m_index.paragraphs[i].node) == row; ++i) {
            pugi::xml_node own = childOf(row, m_index.paragraphs[i].node);
            if (cells.empty() || own != cell)
                cells.emplace_back();
            cell = own;
            cells.back().push_back(i);
        }
        placeRow(cells, row);
    }
    return i;
}

// The width of a row's c-th cell: its w:tcW in twips, or the row's share of the type area.
int cellWidth(pugi::xml_node row, std::size_t c, std::size_t cells, int areaWidth) {
    pugi::xml_node cell = row.child("w:tc");
    for (std::size_t i = 0; i < c && cell; ++i)
        cell = cell.next_sibling("w:tc");
    pugi::xml_node width = cell.child("w:tcPr").child("w:tcW");
    long long given = xml::numberAttribute(width, "w:w", 0);
    if (std::string_view(width.attribute("w:type").value()) == "dxa" && given > 0)
        return static_cast<int>(given);
    return areaWidth / static_cast<int>(cells);
}

void Paginator::placeRow(const std::vector<std::vector<std::size_t>>& cells, pugi::xml_node row) {
    std::vector<std::vector<BrokenParagraph>> broken;
    int rowHeight = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        LineRoom room = current().room;
        room.width = cellWidth(row, c, cells.size(), room.width);
        broken.emplace_back();
        int height = 0;
        for (std::size_t index : cells[c]) {
            broken.back().push_back(breakParagraph(m_index.paragraphs[index], m_styles, room));
            height += broken.back().back().height();
        }
        rowHeight = std::max(rowHeight, height);
    }
    if (m_filled && m_y + rowHeight > current().height)
        newPage();
    for (const std::vector<BrokenParagraph>& cell : broken)
        placeCell(cell);
    advance(rowHeight);
}

void Paginator::placeCell(const std::vector<BrokenParagraph>& cell) {
    int pageHeight = current().height;
    int offset = m_y;
    for (const BrokenParagraph& paragraph : cell) {
        offset += paragraph.before;
        for (const BrokenLine& line : paragraph.lines) {
            int pages = offset / pageHeight;
            addLine(line, m_page + pages, m_number + pages);
            offset += paragraph.lineHeight;
        }
        offset += paragraph.after;
    }
}

void Paginator::advance(int height) {
    m_y += height;
    m_filled = true;
    while (m_y > current().height) {
        int rest = m_y - current().height;
        newPage();
        m_y = rest;
        m_filled = true;
    }
}

// The width of a text box's text: across its lines, which run down the box for vertical text.
int frameWidth(pugi::xml_node anchor) {
    pugi::xml_node body = xml::firstDescendant(anchor, {"wps:bodyPr"});
    std::string_view direction = body.attribute("vert").value();
    bool vertical = !direction.empty() && direction != "horz";
    pugi::xml_node extent = anchor.child("wp:extent");
    long long length = xml::numberAttribute(extent, vertical ? "cy" : "cx", 0);
    long long insets =
        vertical ? xml::numberAttribute(body, "tIns", 45720) + xml::numberAttribute(body, "bIns", 45720)
                 : xml::numberAttribute(body, "lIns", 91440) + xml::numberAttribute(body, "rIns", 91440);
    return static_cast<int>(std::max(1LL, (length - insets) / EmuPerTwip));
}

} // namespace

std::size_t LaidOut::lineAt(int position) const {
    auto after = std::upper_bound(lines.begin(), lines.end(), position,
                                  [](int value, const LaidLine& line) { return value < line.start; });
    return after == lines.begin() ? 0 : static_cast<std::size_t>(after - lines.begin()) - 1;
}

LaidOut layOutMainText(DocumentModel& model) {
    return Paginator(model).run();
}

LaidOut layOutTextFrame(DocumentModel& model, int shapeId) {
    pugi::xml_node anchor = model.shapeById(shapeId);
    LaidOut main = layOutMainText(model);
    LaidLine place;
    int position = anchorPosition(model.story({}), anchor);
    if (position >= 0 && !main.lines.empty())
        place = main.lines[main.lineAt(position)];
    const StyleSheet& styles = model.styleSheet();
    LineRoom room{frameWidth(anchor), 240, false};
    LaidOut frame;
    frame.pages = main.pages;
    for (const ParagraphEntry& entry : model.story({StoryKind::TextFrame, shapeId}).paragraphs) {
        for (const BrokenLine& line : breakParagraph(entry, styles, room).lines)
            frame.lines.push_back(
                {line.start, line.end, line.lastCaret, place.page, place.pageNumber, place.section});
    }
    return frame;
}

} // namespace wordproc
