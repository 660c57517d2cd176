#pragma once
// A list of text items with one selected.

#include "platform/ui/Control.h"
#include "platform/ui/ItemsControl.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class ListBox : public ItemsControl<Control> {
public:
    ListBox(Form* form, std::string name, Container* parent);

    // Fires no event.
    void setItemIndex(int index);

    std::function<void()> OnDblClick;

    // The user clicks an entry (OnClick), or double-clicks the selected one (OnDblClick).
    void userSelect(int index);
    void userDoubleClick();
};

} // namespace ui
