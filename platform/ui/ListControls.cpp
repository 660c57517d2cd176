// The controls with item lists: list box, combo box and edit.
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"

namespace ui {

Edit::Edit(Form* form, std::string name, Container* parent) : TextControl(form, std::move(name), parent) {}

ComboBox::ComboBox(Form* form, std::string name, Container* parent)
    : ItemsControl(form, std::move(name), parent) {}

void ComboBox::setStyle(ComboStyle style) {
    m_style = style;
    if (style == ComboStyle::DropDownList)
        setItemIndex(m_items.find(text()));
    changed(Property::Items);
}

void ComboBox::setItemIndex(int index) {
    m_items.select(index);
    const int selected = m_items.index();
    setText(selected >= 0 ? m_items.at(selected) : std::string());
    // Equal items: the text alone would name the first of them.
    m_items.select(selected);
    changed(Property::ItemIndex);
}

std::string ComboBox::acceptText(std::string text) const {
    if (m_style == ComboStyle::DropDownList && m_items.find(text) < 0)
        return {};
    return text;
}

void ComboBox::textChanged() {
    m_items.select(m_items.find(text()));
    changed(Property::ItemIndex);
}

void ComboBox::userPick(int index) {
    m_items.select(index);
    const int selected = m_items.index();
    if (selected < 0)
        return;
    assignText(m_items.at(selected), Origin::Code);
    m_items.select(selected);
    changed(Property::ItemIndex);
    fire(OnClick);
    fire(OnChange);
}

ListBox::ListBox(Form* form, std::string name, Container* parent)
    : ItemsControl(form, std::move(name), parent) {}

void ListBox::setItemIndex(int index) {
    m_items.select(index);
    changed(Property::ItemIndex);
}

void ListBox::userSelect(int index) {
    setItemIndex(index);
    fire(OnClick);
}

void ListBox::userDoubleClick() {
    fire(OnDblClick);
}

} // namespace ui
