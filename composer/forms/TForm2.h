#pragma once
// 下行（平行）文 of one authority: the model of the document forms.

#include "composer/forms/FieldLayoutA.h"

namespace composer {

struct OutputPlan;

class TForm2 : public FieldLayoutA {
public:
    explicit TForm2(ui::Form* owner);

    ui::Edit& Edit15 = importPath;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();

protected:
    void Button5Click() override;
};

} // namespace composer
