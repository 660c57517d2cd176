#pragma once
// 上行文 of two authorities (two seals): two signers stacked beside the number, the masthead a table of
// both names beside "文件".

#include "composer/forms/FieldLayoutB.h"

namespace composer {

class TForm6 : public FieldLayoutB {
public:
    explicit TForm6(ui::Form* owner);

    ui::ComboBox& qfbox = signerCombo(0);
    ui::ComboBox& qfbox2 = signerCombo(1);
    ui::Button& Button3 = signerButton(0);
    ui::Button& Button5 = signerButton(1);
    ui::Button& Button7 = copyToButton;
    ui::Button& Button8 = recipientsButton;
    ui::Button& Button9 = importButton;
    ui::Button& Button10 = attachmentButton;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();
};

} // namespace composer
