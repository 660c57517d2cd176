#include "platform/wordproc/DocumentSelection.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/DocumentSections.h"
#include "platform/wordproc/DocumentShapes.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/LayoutModel.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace wordproc {

namespace {

// The format that `top` gives over `base`, font names spreading as RunFormatting writes them: Name to
// every script, NameAscii to Latin text.
void overlay(CharFormat& base, const CharFormat& top) {
    auto take = [](auto& into, const auto& from) {
        if (from)
            into = from;
    };
    for (auto* font : {&base.name, &base.nameAscii, &base.nameOther, &base.nameFarEast})
        take(*font, top.name);
    for (auto* font : {&base.name, &base.nameAscii, &base.nameOther})
        take(*font, top.nameAscii);
    take(base.nameOther, top.nameOther);
    take(base.nameFarEast, top.nameFarEast);
    take(base.size, top.size);
    take(base.bold, top.bold);
    take(base.italic, top.italic);
    take(base.color, top.color);
    take(base.scaling, top.scaling);
    take(base.spacing, top.spacing);
}

// The next place of an insertion point to the right or left by one character, or -1 at the story's end.
int characterStep(const StoryIndex& index, int position, bool forward) {
    std::size_t i = index.find(position);
    const ParagraphEntry& entry = index.paragraphs[i];
    if (forward) {
        if (position < entry.markPosition())
            return position + 1;
        return i + 1 < index.paragraphs.size() ? index.paragraphs[i + 1].start : -1;
    }
    if (position > entry.start)
        return std::min(position - 1, entry.markPosition());
    return i > 0 ? index.paragraphs[i - 1].markPosition() : -1;
}

// The paragraph start that a move by paragraphs reaches from the position, or -1.
int paragraphStep(const StoryIndex& index, int position, bool down) {
    std::size_t i = index.find(position);
    if (down)
        return i + 1 < index.paragraphs.size() ? index.paragraphs[i + 1].start : -1;
    if (position > index.paragraphs[i].start)
        return index.paragraphs[i].start;
    return i > 0 ? index.paragraphs[i - 1].start : -1;
}

} // namespace

const Span& DocumentSelection::span() const {
    return m_model.selection();
}

void DocumentSelection::select(const Span& span) {
    int length = m_model.story(span.story).length;
    int start = std::clamp(span.start, 0, length);
    m_model.selection() = {span.story, start, std::clamp(span.end, start, length)};
    m_shape.reset();
    m_activeAtStart = false;
    m_pending = {};
}

void DocumentSelection::selectShape(int id) {
    DocumentShapes shapes(m_model);
    int position = shapes.anchorPosition(id);
    select({{}, position, position});
    m_shape = id;
}

int DocumentSelection::activeEnd() const {
    const Span& selected = span();
    return m_activeAtStart ? selected.start : selected.end;
}

void DocumentSelection::moveActiveEnd(int position, bool extend) {
    Span selected = span();
    int anchor = m_activeAtStart ? selected.end : selected.start;
    if (!extend)
        anchor = position;
    select({selected.story, std::min(anchor, position), std::max(anchor, position)});
    m_activeAtStart = position < anchor;
}

bool DocumentSelection::collapseFor(int direction) {
    Span selected = span();
    m_shape.reset();
    if (selected.start == selected.end)
        return false;
    int at = direction > 0 ? selected.end : selected.start;
    select({selected.story, at, at});
    return true;
}

int DocumentSelection::moveCharacters(int count, bool extend) {
    return moveSteps(count, extend, characterStep);
}

int DocumentSelection::moveSteps(int count, bool extend, int (*step)(const StoryIndex&, int, bool)) {
    int moved = !extend && count != 0 && collapseFor(count) ? 1 : 0;
    const StoryIndex& index = m_model.story(span().story);
    int position = activeEnd();
    for (int done = moved; done < std::abs(count); ++done) {
        int next = step(index, position, count > 0);
        if (next < 0)
            break;
        position = next;
        ++moved;
    }
    moveActiveEnd(position, extend);
    return moved;
}

int DocumentSelection::moveLines(int count, bool extend) {
    int moved = !extend && count != 0 && collapseFor(count) ? 1 : 0;
    StoryId story = span().story;
    if (story.kind != StoryKind::Main && story.kind != StoryKind::TextFrame)
        throw Error("在页眉和页脚中不能按行移动。");
    LaidOut layout =
        story.kind == StoryKind::Main ? layOutMainText(m_model) : layOutTextFrame(m_model, story.key);
    int position = activeEnd();
    auto from = static_cast<int>(layout.lineAt(position));
    int last = static_cast<int>(layout.lines.size()) - 1;
    int to = std::clamp(from + (count > 0 ? 1 : -1) * (std::abs(count) - moved), 0, last);
    const LaidLine& target = layout.lines[static_cast<std::size_t>(to)];
    int column = position - layout.lines[static_cast<std::size_t>(from)].start;
    moveActiveEnd(std::min(target.start + column, target.lastCaret), extend);
    return moved + std::abs(to - from);
}

int DocumentSelection::moveParagraphs(int count, bool extend) {
    return moveSteps(count, extend, paragraphStep);
}

void DocumentSelection::goToPage(int page) {
    LaidOut layout = layOutMainText(m_model);
    if (layout.lines.empty())
        throw Error("文档没有段落。");
    page = std::clamp(page, 1, layout.pages);
    auto first = std::find_if(layout.lines.begin(), layout.lines.end(),
                              [page](const LaidLine& line) { return line.page >= page; });
    int position = first == layout.lines.end() ? layout.lines.back().start : first->start;
    select({StoryId{}, position, position});
}

void DocumentSelection::typeText(std::string_view text) {
    if (m_shape)
        throw Error("选定的是图形，不能输入文字。");
    Span& selected = m_model.selection();
    if (selected.start < selected.end)
        m_text.erase(selected.story, selected.start, selected.end);
    StoryId story = selected.story;
    int at = selected.start;
    bool emptyParagraph = m_model.story(story).holding(at).textLength == 0;
    Span typed{story, at, at};
    bool newParagraph = text.find_first_of("\r\n") != std::string_view::npos;
    m_text.insertBefore(typed, text, newParagraph ? breakBias(selected) : Bias::Before);
    // In an empty paragraph the mark takes the typed text's format, as the hosts keep a line's height.
    for (const CharFormat& pending : std::exchange(m_pending, {}))
        m_text.applyCharFormat({story, typed.start, typed.end + (emptyParagraph ? 1 : 0)}, pending);
}

void DocumentSelection::insertBreak(int kind) {
    static const int sectionStarts[] = {2, 0, 3, 4}; // kinds 2 to 5
    if (m_shape)
        throw Error("选定的是图形，不能插入分隔符。");
    if (span().story.kind != StoryKind::Main)
        throw Error("分隔符只能插入正文中。");
    if (kind == 6 || kind == 7) {
        typeText(kind == 6 ? "\v" : "\f");
        return;
    }
    if (kind < 2 || kind > 5)
        throw Error("分隔符的类型无效。");
    Span& selected = m_model.selection();
    if (selected.start < selected.end)
        m_text.erase(selected.story, selected.start, selected.end);
    DocumentSections(m_model).insertBreak(selected.start, sectionStarts[kind - 2], breakBias(selected));
    m_pending = {};
}

std::string DocumentSelection::text() const {
    return m_text.text(span());
}

void DocumentSelection::setText(std::string_view text) {
    if (m_shape)
        throw Error("选定的是图形，不能设置文字。");
    m_text.setText(m_model.selection(), text);
    m_activeAtStart = false;
    m_pending = {};
}

void DocumentSelection::applyCharFormat(const CharFormat& format) {
    if (m_shape) {
        m_text.applyCharFormat(m_text.story(DocumentShapes(m_model).textFrame(*m_shape)), format);
        return;
    }
    const Span& selected = span();
    if (selected.start == selected.end)
        m_pending.push_back(format);
    else
        m_text.applyCharFormat(selected, format);
}

CharFormat DocumentSelection::charFormat() const {
    if (m_shape)
        return m_text.charFormat(m_text.story(DocumentShapes(m_model).textFrame(*m_shape)));
    CharFormat format = m_text.charFormat(span());
    for (const CharFormat& pending : m_pending)
        overlay(format, pending);
    return format;
}

Bias DocumentSelection::breakBias(const Span& at) const {
    const ParagraphEntry& entry = m_model.story(at.story).holding(at.start);
    bool endOfText = entry.textLength > 0 && at.start == entry.markPosition();
    return endOfText ? Bias::After : Bias::Before;
}

int DocumentSelection::mainPosition() const {
    const Span& selected = span();
    if (selected.story.kind == StoryKind::TextFrame)
        return DocumentShapes(m_model).anchorPosition(selected.story.key);
    if (selected.story.kind != StoryKind::Main)
        throw Error("选定内容在页眉或页脚中。");
    return activeEnd();
}

int DocumentSelection::information(SelectionInfo what) const {
    if (what == SelectionInfo::WithInTable) {
        const Span& selected = span();
        return inTableCell(m_model.story(selected.story).holding(selected.start).node) ? -1 : 0;
    }
    int position = mainPosition();
    // A selection whose active end is its end stands on its last character, not on the one after it:
    // a selected table cell is on the page of its own mark, even when the next cell starts a page.
    const Span& selected = span();
    if (selected.story.kind == StoryKind::Main && !m_activeAtStart && selected.end > selected.start)
        position = selected.end - 1;
    LaidOut layout = layOutMainText(m_model);
    if (layout.lines.empty())
        throw Error("文档没有段落。");
    const LaidLine& line = layout.lines[layout.lineAt(position)];
    switch (what) {
    case SelectionInfo::AdjustedPageNumber:
        return line.pageNumber;
    case SelectionInfo::SectionNumber:
        return DocumentSections(m_model).sectionAt(position);
    case SelectionInfo::PageNumber:
        return line.page;
    case SelectionInfo::NumberOfPages:
        return layout.pages;
    case SelectionInfo::WithInTable:
        break;
    }
    throw Error("不支持所要求的信息类型。");
}

std::pair<int, int> DocumentSelection::sections() const {
    DocumentSections sections(m_model);
    const Span& selected = span();
    if (selected.story.kind != StoryKind::Main) {
        int section = sections.sectionAt(mainPosition());
        return {section, section};
    }
    return {sections.sectionAt(selected.start),
            sections.sectionAt(std::max(selected.start, selected.end - 1))};
}

std::vector<int> DocumentSelection::shapes() const {
    if (m_shape)
        return {*m_shape};
    const Span& selected = span();
    if (selected.story.kind == StoryKind::TextFrame)
        return {selected.story.key};
    if (selected.story.kind != StoryKind::Main)
        return {};
    return DocumentShapes(m_model).anchoredIn(selected);
}

} // namespace wordproc
