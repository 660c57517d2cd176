#pragma once
// 会议纪要: meeting minutes, numbered by left part, serial and right part, with a distribution line.

#include "composer/forms/NumberPartLayout.h"

namespace composer {

class TForm4 : public NumberPartLayout {
public:
    explicit TForm4(ui::Form* owner);

    ui::Button& Button8;      // picks the distribution units into Memo1
    ui::GroupBox& GroupBox17; // 抄送：
    ui::Edit& Edit9;
    ui::Button& Button7;
    ui::Button& Button9; // 导入文件

    DocumentFields fields() override;

    // The template and slot map of this form's output, the same template for both word processors.
    static const OutputPlan& outputPlan();

private:
    void Button7Click();
    void Button8Click();
    void Button9Click();
};

} // namespace composer
