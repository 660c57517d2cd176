#pragma once
// A combo box: an edit with a drop-down list (DropDown), or a drop-down list whose text is always one
// of its items (DropDownList).

#include "platform/ui/ItemList.h"
#include "platform/ui/TextControl.h"

#include <string>
#include <vector>

namespace ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public TextControl {
public:
    ComboBox(Form* form, std::string name, Container* parent);

    ComboStyle style() const { return m_style; }
    void setStyle(ComboStyle style);

    const std::vector<std::string>& items() const { return m_items.items(); }
    int itemCount() const { return m_items.count(); }
    const std::string& item(int index) const { return m_items.at(index); }
    // Replaces the list; the text is cleared and no item is selected.
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);
    void deleteItem(int index);
    void setItem(int index, std::string item);

    // -1: none. Selecting puts the item into the text; an index that names no item selects none and
    // clears the text. Fires no event.
    int itemIndex() const { return m_items.index(); }
    void setItemIndex(int index);

    // The user chooses an item from the list: text and index, then OnClick, then OnChange.
    void userPick(int index);

protected:
    bool changeEventFromCode() const override { return false; }
    bool takesTyping() const override { return m_style == ComboStyle::DropDown; }
    std::string acceptText(std::string text) const override;
    void textChanged() override;

private:
    ComboStyle m_style = ComboStyle::DropDown;
    ItemList m_items;
};

} // namespace ui
