#pragma once
// 上行文 of three or more authorities: three signers stacked beside the number, the masthead a table of
// three names beside "文件", and the authorities' seal placeholders above the date.

#include "composer/forms/FieldLayoutB.h"

namespace composer {

class TForm8 : public FieldLayoutB {
public:
    explicit TForm8(ui::Form* owner);

    ui::ComboBox& qfbox = signerCombo(0);
    ui::ComboBox& qfbox2 = signerCombo(1);
    ui::ComboBox& qfbox3 = signerCombo(2);
    ui::Button& Button3 = signerButton(0);
    ui::Button& Button5 = signerButton(1);
    ui::Button& Button7 = signerButton(2);
    ui::Button& Button8 = copyToButton;
    ui::Button& Button9 = recipientsButton;
    ui::Button& Button10 = importButton;
    ui::Button& Button11 = attachmentButton;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();
};

} // namespace composer
