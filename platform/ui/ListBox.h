#pragma once
// A list of text items with one selected.

#include "platform/ui/Control.h"
#include "platform/ui/ItemList.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class ListBox : public Control {
public:
    ListBox(Form* form, std::string name, Container* parent);

    const std::vector<std::string>& items() const { return m_items.items(); }
    int itemCount() const { return m_items.count(); }
    const std::string& item(int index) const { return m_items.at(index); }
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);
    void deleteItem(int index);
    void setItem(int index, std::string item);

    // -1: none. Fires no event.
    int itemIndex() const { return m_items.index(); }
    void setItemIndex(int index);

    std::function<void()> OnDblClick;

    // The user clicks an entry (OnClick), or double-clicks the selected one (OnDblClick).
    void userSelect(int index);
    void userDoubleClick();

private:
    ItemList m_items;
};

} // namespace ui
