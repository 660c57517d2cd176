#pragma once
// 下行、平行文 of three or more authorities: a masthead table of three names, and rows of placeholders
// for the authorities' seals above the date.

#include "composer/forms/FieldLayoutA.h"

namespace composer {

struct OutputPlan;

class TForm9 : public FieldLayoutA {
public:
    explicit TForm9(ui::Form* owner);

    ui::Edit& Edit6 = importPath;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();

protected:
    void Button5Click() override;
};

} // namespace composer
