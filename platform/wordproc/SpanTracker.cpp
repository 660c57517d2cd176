#include "platform/wordproc/SpanTracker.h"

namespace wordproc {

template <typename Adjust> void SpanTracker::forEachLive(StoryId story, Adjust adjust) {
    for (const std::weak_ptr<Span>& weak : m_spans) {
        if (std::shared_ptr<Span> span = weak.lock(); span && span->story == story)
            adjust(*span);
    }
}

std::shared_ptr<Span> SpanTracker::track(const Span& span) {
    // Forget the spans that nobody holds any more, so that the list stays as long as the live handles.
    std::erase_if(m_spans, [](const std::weak_ptr<Span>& weak) { return weak.expired(); });
    auto tracked = std::make_shared<Span>(span);
    m_spans.push_back(tracked);
    return tracked;
}

void SpanTracker::inserted(StoryId story, int at, int length, const Span* self) {
    forEachLive(story, [&](Span& span) {
        if (&span == self) {
            span.end += length;
            return;
        }
        bool collapsedHere = span.start == at && span.end == at;
        if (span.start > at || span.start == at)
            span.start += length;
        if (span.end > at || collapsedHere)
            span.end += length;
    });
}

bool SpanTracker::tracks(const Span* span) const {
    for (const std::weak_ptr<Span>& weak : m_spans) {
        if (weak.lock().get() == span)
            return true;
    }
    return false;
}

void SpanTracker::erased(StoryId story, int from, int to) {
    auto adjust = [&](int position) {
        return position <= from ? position : position >= to ? position - (to - from) : from;
    };
    forEachLive(story, [&](Span& span) {
        span.start = adjust(span.start);
        span.end = adjust(span.end);
    });
}

} // namespace wordproc
