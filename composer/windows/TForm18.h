#pragma once
// The editor of the authority-abbreviation list (".jg").

#include "composer/windows/ListEditorForm.h"

namespace composer {

class TForm18 : public ListEditorForm {
public:
    explicit TForm18(ui::Form* owner);
};

} // namespace composer
