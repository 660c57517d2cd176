#pragma once
// 信函式: the letter-format document. The authority's name alone in red over a double rule, the number on
// a line of its own under the marks, and a printing block of one cell (subject line, copy-to, copies)
// without printing office; no signers.

#include "composer/forms/FieldLayoutB.h"

namespace composer {

class TForm7 : public FieldLayoutB {
public:
    explicit TForm7(ui::Form* owner);

    ui::Button& Button3 = copyToButton;
    ui::Button& Button7 = recipientsButton;
    ui::Button& Button8 = importButton;
    ui::Button& Button9 = attachmentButton;

    // The template and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();
};

} // namespace composer
