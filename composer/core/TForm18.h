#pragma once
// FIXME: stand-in until the list editors land; replaced by the real editor.

#include "platform/ui/Form.h"

namespace composer {

class TForm18 : public ui::Form {
public:
    explicit TForm18(ui::Form* owner) : ui::Form("TForm18", owner) {}
};

} // namespace composer
