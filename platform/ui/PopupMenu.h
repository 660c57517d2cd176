#pragma once
// A context menu: entries with a caption and a click handler, and separators.

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    std::string caption; // empty: a separator
    std::function<void()> OnClick;
    bool isSeparator() const { return caption.empty(); }
};

class PopupMenu {
public:
    void addItem(std::string caption, std::function<void()> onClick);
    void addSeparator();
    const std::vector<MenuItem>& items() const { return m_items; }
    // The entry with this caption, or null.
    const MenuItem* find(const std::string& caption) const;

private:
    std::vector<MenuItem> m_items;
};

} // namespace ui
