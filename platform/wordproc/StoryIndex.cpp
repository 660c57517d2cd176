#include "platform/wordproc/StoryIndex.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/InlineText.h"

#include <algorithm>
#include <string_view>

namespace wordproc {

namespace {

class Indexer {
public:
    explicit Indexer(Flavour flavour) : m_flavour(flavour) {}

    void blocks(pugi::xml_node container) {
        for (pugi::xml_node child : container.children()) {
            std::string_view name = child.name();
            if (name == "w:p")
                paragraph(child);
            else if (name == "w:tbl")
                table(child);
            else if (name == "w:sdt")
                blocks(child.child("w:sdtContent"));
            else if (name == "w:customXml")
                blocks(child);
        }
    }

    StoryIndex finish() {
        if (!m_index.paragraphs.empty())
            m_index.paragraphs.back().mark = MarkKind::StoryEnd;
        m_index.length = m_position;
        return std::move(m_index);
    }

private:
    void paragraph(pugi::xml_node node) {
        ParagraphEntry entry;
        entry.node = node;
        entry.start = m_position;
        entry.textLength = inlineLength(node);
        m_position += entry.textLength + 1;
        m_index.paragraphs.push_back(entry);
    }

    // Counts a character behind the last paragraph indexed so far.
    void trailer() {
        if (!m_index.paragraphs.empty()) {
            ++m_index.paragraphs.back().trailer;
            ++m_position;
        }
    }

    // A table counts its cells' paragraph marks, as the paragraphs count its cells; WPS counts one
    // character more at its end, which every character offset behind a table shows.
    void table(pugi::xml_node node) {
        for (pugi::xml_node row : node.children("w:tr")) {
            for (pugi::xml_node cell : row.children("w:tc")) {
                std::size_t before = m_index.paragraphs.size();
                blocks(cell);
                if (m_index.paragraphs.size() > before)
                    m_index.paragraphs.back().mark = MarkKind::CellEnd;
            }
        }
        if (m_flavour == Flavour::Wps)
            trailer();
    }

    Flavour m_flavour;
    StoryIndex m_index;
    int m_position = 0;
};

} // namespace

bool inTableCell(pugi::xml_node paragraph) {
    for (pugi::xml_node node = paragraph.parent(); node; node = node.parent()) {
        if (std::string_view(node.name()) == "w:tc")
            return true;
    }
    return false;
}

std::size_t StoryIndex::find(int position) const {
    auto after = std::upper_bound(paragraphs.begin(), paragraphs.end(), position,
                                  [](int value, const ParagraphEntry& entry) { return value < entry.end(); });
    if (after == paragraphs.end())
        return paragraphs.empty() ? 0 : paragraphs.size() - 1;
    return static_cast<std::size_t>(after - paragraphs.begin());
}

void remeasureParagraphs(StoryIndex& index, std::size_t at, int added) {
    ParagraphEntry original = index.paragraphs[at];
    std::vector<ParagraphEntry> fresh(static_cast<std::size_t>(added) + 1);
    pugi::xml_node node = original.node;
    for (auto it = fresh.rbegin(); it != fresh.rend(); ++it, node = node.previous_sibling("w:p"))
        it->node = node;
    // The original node keeps its mark and what follows it; the parts split off end in ordinary marks.
    fresh.back().mark = original.mark;
    fresh.back().trailer = original.trailer;
    int position = original.start;
    for (ParagraphEntry& entry : fresh) {
        entry.start = position;
        entry.textLength = inlineLength(entry.node);
        position = entry.end();
    }
    int shift = position - original.end();
    index.paragraphs.erase(index.paragraphs.begin() + static_cast<std::ptrdiff_t>(at));
    index.paragraphs.insert(index.paragraphs.begin() + static_cast<std::ptrdiff_t>(at), fresh.begin(),
                            fresh.end());
    for (std::size_t i = at + fresh.size(); i < index.paragraphs.size(); ++i)
        index.paragraphs[i].start += shift;
    index.length += shift;
}

const ParagraphEntry& StoryIndex::holding(int position) const {
    if (paragraphs.empty())
        throw Error("这段文字里没有段落。");
    return paragraphs[find(position)];
}

StoryIndex buildStoryIndex(pugi::xml_node container, Flavour flavour) {
    Indexer indexer(flavour);
    indexer.blocks(container);
    return indexer.finish();
}

} // namespace wordproc
