#pragma once
// The items and the selected index of a list box or combo box, with the framework's index rules.

#include <string>
#include <vector>

namespace ui {

class ItemList {
public:
    const std::vector<std::string>& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    // Throws Error "List index out of bounds (i)" for an index that names no item.
    const std::string& at(int index) const;

    // Replacing all items selects none.
    void assign(std::vector<std::string> items);
    void add(std::string item);
    // Deleting the selected item selects none; deleting one above it keeps the same item selected.
    void remove(int index);
    void replace(int index, std::string item);

    int index() const { return m_index; }
    // An index that names no item selects none.
    void select(int index);
    // The first item equal to the text, or -1.
    int find(const std::string& text) const;

private:
    void check(int index) const;
    std::vector<std::string> m_items;
    int m_index = -1;
};

} // namespace ui
