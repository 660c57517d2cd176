#pragma once
// A combo box: an edit with a drop-down list (DropDown), or a drop-down list whose text is always one
// of its items (DropDownList).

#include "platform/ui/ItemsControl.h"
#include "platform/ui/TextControl.h"

#include <string>
#include <vector>

namespace ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public ItemsControl<TextControl> {
public:
    ComboBox(Form* form, std::string name, Container* parent);

    ComboStyle style() const { return m_style; }
    void setStyle(ComboStyle style);

    // Selecting puts the item into the text; an index that names no item selects none and clears the
    // text. Fires no event. Replacing the items clears the text too.
    void setItemIndex(int index);

    // The user chooses an item from the list: text and index, then OnClick, then OnChange.
    void userPick(int index);

protected:
    bool changeEventFromCode() const override { return false; }
    bool takesTyping() const override { return m_style == ComboStyle::DropDown; }
    std::string acceptText(std::string text) const override;
    void textChanged() override;
    void itemsReplaced() override { setText({}); }

private:
    ComboStyle m_style = ComboStyle::DropDown;
};

} // namespace ui
