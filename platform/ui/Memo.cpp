#include "platform/ui/Memo.h"

#include "platform/ui/Types.h"

namespace ui {

namespace {

struct Span {
    std::size_t start;
    std::size_t length;
};

// Where each line's content stands in the text.
std::vector<Span> lineSpans(const std::string& text) {
    std::vector<Span> spans;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\r' && text[i] != '\n') {
            ++i;
            continue;
        }
        spans.push_back({start, i - start});
        i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        spans.push_back({start, text.size() - start});
    return spans;
}

std::string outOfBounds(int index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

bool endsWithLineBreak(const std::string& text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

} // namespace

Memo::Memo(Form* form, std::string name, Container* parent) : TextControl(form, std::move(name), parent) {}

std::vector<std::string> Memo::lines() const {
    std::vector<std::string> result;
    for (const Span& span : lineSpans(text()))
        result.push_back(text().substr(span.start, span.length));
    return result;
}

int Memo::lineCount() const {
    return static_cast<int>(lineSpans(text()).size());
}

std::string Memo::line(int index) const {
    const auto spans = lineSpans(text());
    if (index < 0 || index >= static_cast<int>(spans.size()))
        throw Error(outOfBounds(index));
    return text().substr(spans[index].start, spans[index].length);
}

void Memo::setLine(int index, const std::string& content) {
    const auto spans = lineSpans(text());
    if (index < 0 || index >= static_cast<int>(spans.size()))
        throw Error(outOfBounds(index));
    std::string changedText = text();
    changedText.replace(spans[index].start, spans[index].length, content);
    setText(std::move(changedText));
}

void Memo::setLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\r\n" : "") + lines[i];
    setText(std::move(joined));
}

void Memo::addLine(const std::string& content) {
    if (text().empty() || endsWithLineBreak(text()))
        setText(text() + content + "\r\n");
    else
        setText(text() + "\r\n" + content);
}

void Memo::setScrollBars(ScrollBars scrollBars) {
    m_scrollBars = scrollBars;
    changed(Property::Bounds);
}

void Memo::setWordWrap(bool wordWrap) {
    m_wordWrap = wordWrap;
    changed(Property::Bounds);
}

void Memo::setWantTabs(bool wantTabs) {
    m_wantTabs = wantTabs;
    changed(Property::Bounds);
}

void Memo::scrollToEnd() {
    changed(Property::ScrollToEnd);
}

RichEdit::RichEdit(Form* form, std::string name, Container* parent) : Memo(form, std::move(name), parent) {
    m_popupMenu.addItem("剪切", [this] { cutToClipboard(); });
    m_popupMenu.addItem("复制", [this] { copyToClipboard(); });
    m_popupMenu.addItem("粘帖", [this] { pasteFromClipboard(); });
    m_popupMenu.addSeparator();
    m_popupMenu.addItem("删除", [this] { clearSelection(); });
    m_popupMenu.addItem("全选", [this] { selectAll(); });
    m_popupMenu.addSeparator();
}

void PopupMenu::addItem(std::string caption, std::function<void()> onClick) {
    m_items.push_back({std::move(caption), std::move(onClick)});
}

void PopupMenu::addSeparator() {
    m_items.push_back({});
}

const MenuItem* PopupMenu::find(const std::string& caption) const {
    for (const MenuItem& item : m_items)
        if (!caption.empty() && item.caption == caption)
            return &item;
    return nullptr;
}

} // namespace ui
