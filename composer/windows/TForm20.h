#pragma once
// The editor of the signer list (".qf").

#include "composer/windows/ListEditorForm.h"

namespace composer {

class TForm20 : public ListEditorForm {
public:
    explicit TForm20(ui::Form* owner);
};

} // namespace composer
