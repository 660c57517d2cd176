#include "platform/wordproc/DocumentText.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/ParagraphBorders.h"
#include "platform/wordproc/ParagraphEdits.h"
#include "platform/wordproc/ParagraphFormatting.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/StyleSheet.h"
#include "platform/wordproc/TextInsertion.h"
#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wordproc {

namespace {

// The paragraphs a span touches: those it overlaps, or the one that holds a collapsed span.
std::vector<const ParagraphEntry*> touched(const StoryIndex& index, const Span& span) {
    std::vector<const ParagraphEntry*> result;
    if (index.paragraphs.empty())
        return result;
    std::size_t first = index.find(span.start);
    std::size_t last = span.end > span.start ? index.find(span.end - 1) : first;
    for (std::size_t i = first; i <= last; ++i)
        result.push_back(&index.paragraphs[i]);
    return result;
}

} // namespace

int DocumentText::paragraphCount(StoryId story) const {
    return static_cast<int>(m_model.story(story).paragraphs.size());
}

Span DocumentText::paragraph(StoryId story, int n) const {
    const StoryIndex& index = m_model.story(story);
    if (n < 1 || n > static_cast<int>(index.paragraphs.size()))
        throw Error("所要求的段落不存在：第 " + std::to_string(n) + " 段（共 " +
                    std::to_string(index.paragraphs.size()) + " 段）。");
    const ParagraphEntry& entry = index.paragraphs[static_cast<std::size_t>(n - 1)];
    return {story, entry.start, entry.markPosition() + 1};
}

Span DocumentText::story(StoryId story) const {
    return {story, 0, m_model.story(story).length};
}

Span DocumentText::range(int start, int end) const {
    if (start < 0 || end < start)
        throw Error("区域的起止位置无效（" + std::to_string(start) + "，" + std::to_string(end) + "）。");
    int length = m_model.story({}).length;
    return {{}, std::min(start, length), std::min(end, length)};
}

std::string DocumentText::text(const Span& span) const {
    std::string result;
    for (const ParagraphEntry* entry : touched(m_model.story(span.story), span)) {
        int from = std::max(span.start, entry->start) - entry->start;
        int to = std::min(span.end, entry->end()) - entry->start;
        result += inlineText(entry->node, from, std::min(to, entry->textLength));
        if (to > entry->textLength)
            result += entry->mark == MarkKind::CellEnd ? "\r\a" : "\r";
        for (int extra = 0; extra < entry->trailer && to > entry->textLength + 1 + extra; ++extra)
            result += "\r\a";
    }
    return result;
}

std::shared_ptr<Span> DocumentText::track(const Span& span) {
    return m_model.tracker().track(span);
}

void DocumentText::insertBefore(Span& span, std::string_view text, Bias bias) {
    pugi::xml_document scratch;
    pugi::xml_node format = scratch.append_copy(formatAtPosition(m_model, span.story, span.start, false));
    int at = span.start;
    int length = insertAtPosition(m_model, span.story, at, bias, text, format);
    m_model.tracker().inserted(span.story, at, length, &span);
    if (!m_model.tracker().tracks(&span))
        span.end += length;
}

void DocumentText::insertAfter(Span& span, std::string_view text) {
    const StoryIndex& index = m_model.story(span.story);
    int at = span.end;
    Bias bias = Bias::After;
    if (at > 0) {
        const ParagraphEntry& last = index.holding(at - 1);
        if (at > last.markPosition()) {
            // Behind a whole paragraph: the next one's start, or in front of a mark nothing can follow.
            bool closing = last.mark != MarkKind::Plain || at > last.markPosition() + 1;
            at = closing ? last.markPosition() : at;
            bias = closing ? Bias::After : Bias::Before;
        }
    }
    pugi::xml_document scratch;
    pugi::xml_node format = scratch.append_copy(formatAtPosition(m_model, span.story, at, false));
    int length = insertAtPosition(m_model, span.story, at, bias, text, format);
    m_model.tracker().inserted(span.story, at, length, &span);
    if (!m_model.tracker().tracks(&span))
        span.end += length;
}

void DocumentText::setText(Span& span, std::string_view text) {
    pugi::xml_document scratch;
    pugi::xml_node format = scratch.append_copy(formatAtPosition(m_model, span.story, span.start, true));
    erase(span.story, span.start, span.end);
    if (!m_model.tracker().tracks(&span))
        span.end = span.start;
    int length = insertAtPosition(m_model, span.story, span.start, Bias::Before, text, format);
    m_model.tracker().inserted(span.story, span.start, length, &span);
    if (!m_model.tracker().tracks(&span))
        span.end += length;
}

void DocumentText::erase(StoryId story, int from, int to) {
    std::vector<const ParagraphEntry*> entries = touched(m_model.story(story), {story, from, to});
    if (from >= to)
        return;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const ParagraphEntry& entry = **it;
        int localFrom = std::max(from, entry.start) - entry.start;
        int localTo = std::min(to, entry.end()) - entry.start;
        int textTo = std::min(localTo, entry.textLength);
        if (localFrom < textTo) {
            eraseInline(entry.node, localFrom, textTo);
            m_model.tracker().erased(story, entry.start + localFrom, entry.start + textTo);
        }
        pugi::xml_node next = nextParagraph(entry.node);
        bool markGoes = localFrom <= entry.textLength && localTo > entry.textLength;
        if (markGoes && entry.mark == MarkKind::Plain && next) {
            joinWithNext(entry.node, next);
            int mark = entry.start + std::min(localFrom, entry.textLength);
            m_model.tracker().erased(story, mark, mark + 1);
        }
    }
    m_model.textChanged(story);
}

void DocumentText::applyCharFormat(const Span& span, const CharFormat& format) {
    if (span.start >= span.end)
        return;
    for (const ParagraphEntry* entry : touched(m_model.story(span.story), span)) {
        int from = std::max(span.start, entry->start) - entry->start;
        int to = std::min(span.end, entry->end()) - entry->start;
        forEachRunIn(entry->node, from, std::min(to, entry->textLength), [&](pugi::xml_node run) {
            wordproc::applyCharFormat(ensureRunProperties(run), format);
        });
        if (to > entry->textLength)
            wordproc::applyCharFormat(ensureMarkProperties(entry->node), format);
    }
}

CharFormat DocumentText::charFormat(const Span& span) const {
    pugi::xml_node properties = formatAtPosition(m_model, span.story, span.start, true);
    const StoryIndex& index = m_model.story(span.story);
    pugi::xml_node paragraph = index.holding(span.start).node;
    const StyleSheet& styles = m_model.styleSheet();
    return resolveCharFormat(
        [&](const PropertyKey& key) { return styles.runProperty(properties, paragraph, key); });
}

void DocumentText::applyParaFormat(const Span& span, const ParaFormat& format) {
    const StyleSheet& styles = m_model.styleSheet();
    for (const ParagraphEntry* entry : touched(m_model.story(span.story), span)) {
        pugi::xml_node mark = entry->node.child("w:pPr").child("w:rPr");
        float size = *resolveCharFormat([&](const PropertyKey& key) {
                          return styles.runProperty(mark, entry->node, key);
                      }).size;
        UnitMeasures units{static_cast<int>(std::lround(size * 20)), lineUnitTwips(m_model.body())};
        wordproc::applyParaFormat(ensureParagraphProperties(entry->node), format, units);
    }
}

ParaFormat DocumentText::paraFormat(const Span& span) const {
    const StoryIndex& index = m_model.story(span.story);
    pugi::xml_node paragraph = index.holding(span.start).node;
    const StyleSheet& styles = m_model.styleSheet();
    return resolveParaFormat(
        [&](const PropertyKey& key) { return styles.paragraphProperty(paragraph, key); });
}

int DocumentText::paragraphBorder(const Span& span, int border) const {
    pugi::xml_node paragraph = m_model.story(span.story).holding(span.start).node;
    return paragraphBorderStyle(m_model.styleSheet(), paragraph, border);
}

int DocumentText::paragraphBorderColor(const Span& span, int border) const {
    pugi::xml_node paragraph = m_model.story(span.story).holding(span.start).node;
    return wordproc::paragraphBorderColor(StyleSheet(m_model.stylesRoot()), paragraph, border);
}

void DocumentText::setParagraphBorder(const Span& span, int border, int lineStyle) {
    const StyleSheet& styles = m_model.styleSheet();
    for (const ParagraphEntry* entry : touched(m_model.story(span.story), span))
        setParagraphBorderStyle(styles, entry->node, border, lineStyle);
}

} // namespace wordproc
