#pragma once
// The item list of a list box or combo box, on top of the control's own base.

#include "platform/ui/ItemList.h"
#include "platform/ui/Types.h"

#include <string>
#include <vector>

namespace ui {

template <class Base> class ItemsControl : public Base {
public:
    const std::vector<std::string>& items() const { return m_items.items(); }
    int itemCount() const { return m_items.count(); }
    // Throws Error "List index out of bounds (i)" for an index that names no item.
    const std::string& item(int index) const { return m_items.at(index); }
    // Replaces the list; no item is selected.
    void setItems(std::vector<std::string> items) {
        m_items.assign(std::move(items));
        this->changed(Property::Items);
        itemsReplaced();
    }
    void addItem(std::string item) {
        m_items.add(std::move(item));
        this->changed(Property::Items);
    }
    // Deleting the selected item selects none.
    void deleteItem(int index) {
        m_items.remove(index);
        this->changed(Property::Items);
    }
    void setItem(int index, std::string item) {
        m_items.replace(index, std::move(item));
        this->changed(Property::Items);
    }

    // -1: none.
    int itemIndex() const { return m_items.index(); }

protected:
    using Base::Base;
    virtual void itemsReplaced() {}
    ItemList m_items;
};

} // namespace ui
