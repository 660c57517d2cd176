#pragma once
// The borders of paragraphs: ParagraphFormat.Borders().Item(-1) is the top border.

#include "platform/automation/Font.h"

namespace automation {

class Border {
public:
    Border(std::shared_ptr<wordproc::Document> document, FormatTarget target, int index)
        : m_document(std::move(document)), m_target(std::move(target)), m_index(index) {}

    // 0 none, 1 single, 2 dotted, 3 dashed with small gaps, 4 dashed, 5 dash dot, 6 dash dot dot,
    // 7 double, 8 triple. Turning a border off and on keeps its width and colour.
    int lineStyle() const;
    void setLineStyle(int lineStyle) const;
    // A BGR number, -16777216 automatic (also for no border). A border turned off keeps its colour.
    int color() const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    FormatTarget m_target;
    int m_index;
};

class Borders {
public:
    Borders(std::shared_ptr<wordproc::Document> document, FormatTarget target)
        : m_document(std::move(document)), m_target(std::move(target)) {}

    // -1 top, -2 left, -3 bottom, -4 right, -5 between paragraphs. Throws Error for another index.
    Border Item(int index) const;

private:
    std::shared_ptr<wordproc::Document> m_document;
    FormatTarget m_target;
};

} // namespace automation
