#pragma once
// Keeps the spans that automation handles hold in step with edits, as the hosts' ranges move when text
// is inserted or deleted in front of them.

#include "platform/wordproc/Span.h"

#include <memory>
#include <vector>

namespace wordproc {

class SpanTracker {
public:
    std::shared_ptr<Span> track(const Span& span);

    // `length` characters went in at `at`. Spans behind the point move; a span that starts exactly there
    // moves too, unless it is `self`, the span that the text was inserted into, which grows instead.
    void inserted(StoryId story, int at, int length, const Span* self);

    // True when the span is one that this tracker keeps in step.
    bool tracks(const Span* span) const;

    // Characters [from, to) went away.
    void erased(StoryId story, int from, int to);

private:
    template <typename Adjust> void forEachLive(StoryId story, Adjust adjust);

    std::vector<std::weak_ptr<Span>> m_spans;
};

} // namespace wordproc
