#pragma once
// 上行文 of one authority: a report or request to a higher authority, its signer on the line of the number
// and its masthead a text box.

#include "composer/forms/FieldLayoutB.h"

namespace composer {

class TForm5 : public FieldLayoutB {
public:
    explicit TForm5(ui::Form* owner);

    ui::ComboBox& qfbox = signerCombo(0);
    ui::Button& Button3 = signerButton(0);
    ui::Button& Button5 = copyToButton;
    ui::Button& Button7 = recipientsButton;
    ui::Button& Button8 = importButton;
    ui::Button& Button9 = attachmentButton;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();
};

} // namespace composer
