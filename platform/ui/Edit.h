#pragma once
// A single-line edit.

#include "platform/ui/TextControl.h"

namespace ui {

class Edit : public TextControl {
public:
    Edit(Form* form, std::string name, Container* parent);
};

} // namespace ui
