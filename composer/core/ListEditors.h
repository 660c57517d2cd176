#pragma once
// How a document form uses a list editor (TForm18, TForm19, TForm20): made anew, owned by the form,
// shown modally. The editor gives back nothing but its result; on true the caller reloads the combo
// boxes that show the edited lists.

#include "platform/ui/Form.h"

namespace composer {

template <class Editor> bool showListEditor(ui::Form& owner) {
    return ui::createForm<Editor>(&owner).showModal() == ui::mrOk;
}

} // namespace composer
