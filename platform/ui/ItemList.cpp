#include "platform/ui/ItemList.h"

#include "platform/ui/Types.h"

#include <algorithm>

namespace ui {

void ItemList::check(int index) const {
    if (index < 0 || index >= count())
        throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& ItemList::at(int index) const {
    check(index);
    return m_items[index];
}

void ItemList::assign(std::vector<std::string> items) {
    m_items = std::move(items);
    m_index = -1;
}

void ItemList::add(std::string item) {
    m_items.push_back(std::move(item));
}

void ItemList::remove(int index) {
    check(index);
    m_items.erase(m_items.begin() + index);
    if (index == m_index)
        m_index = -1;
    else if (index < m_index)
        --m_index;
}

void ItemList::replace(int index, std::string item) {
    check(index);
    m_items[index] = std::move(item);
}

void ItemList::select(int index) {
    m_index = index >= 0 && index < count() ? index : -1;
}

int ItemList::find(const std::string& text) const {
    const auto found = std::find(m_items.begin(), m_items.end(), text);
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

} // namespace ui
