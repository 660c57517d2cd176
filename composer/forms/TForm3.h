#pragma once
// 下行、平行文 of two authorities (two seals): the masthead is a table of both names beside "文件".

#include "composer/forms/FieldLayoutA.h"

namespace composer {

struct OutputPlan;

class TForm3 : public FieldLayoutA {
public:
    explicit TForm3(ui::Form* owner);

    ui::Edit& Edit15 = importPath;

    // The templates and slot maps of this form's output, per host.
    static const OutputPlan& outputPlan();

protected:
    void Button5Click() override;
};

} // namespace composer
