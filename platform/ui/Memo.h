#pragma once
// A multi-line edit, and the rich edit: a memo with the standard edit menu. Their text keeps CR LF
// between lines, as typed line breaks are stored.

#include "platform/ui/PopupMenu.h"
#include "platform/ui/TextControl.h"

#include <string>
#include <vector>

namespace ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };

class Memo : public TextControl {
public:
    Memo(Form* form, std::string name, Container* parent);

    // The lines of the text: split at CR LF, CR or LF; a final line break adds no line.
    std::vector<std::string> lines() const;
    int lineCount() const;
    // Throws Error "List index out of bounds (i)" for an index that names no line.
    std::string line(int index) const;
    // Replaces the content of one line; its line break stays.
    void setLine(int index, const std::string& text);
    // The text becomes the lines joined by CR LF.
    void setLines(const std::vector<std::string>& lines);
    // A new last line, as the framework adds it: after the text's final line break, followed by
    // one; or after a new line break when the text does not end with one.
    void addLine(const std::string& text);
    void clear() { setText({}); }

    ScrollBars scrollBars() const { return m_scrollBars; }
    void setScrollBars(ScrollBars scrollBars);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    // On by default: Enter starts a new line instead of pressing the default button.
    bool wantReturns() const { return m_wantReturns; }
    void setWantReturns(bool wantReturns) { m_wantReturns = wantReturns; }

    // Scrolls the view to the last line.
    void scrollToEnd();

    // Off by default: Tab moves the focus to the next control instead of typing a tab character.
    bool wantTabs() const override { return m_wantTabs; }
    void setWantTabs(bool wantTabs);

    bool multiLine() const override { return m_wantReturns; }

private:
    ScrollBars m_scrollBars = ScrollBars::None;
    bool m_wordWrap = true;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
};

// A memo whose popup menu holds "剪切", "复制", "粘帖", separator, "删除", "全选", separator, bound to
// cut, copy, paste, delete and select all.
class RichEdit : public Memo {
public:
    RichEdit(Form* form, std::string name, Container* parent);

    PopupMenu& popupMenu() { return m_popupMenu; }
    const PopupMenu& popupMenu() const { return m_popupMenu; }

private:
    PopupMenu m_popupMenu;
};

} // namespace ui
