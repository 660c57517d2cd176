#pragma once
// 简报: a work briefing, its issue numbered by left part, serial and right part, with a send-to line.

#include "composer/forms/NumberPartLayout.h"

namespace composer {

class TForm11 : public NumberPartLayout {
public:
    explicit TForm11(ui::Form* owner);

    ui::Button& Button7; // picks the send-to units into Memo1
    ui::Button& Button8; // 导入文件

    // The template and slot map of this form's output, the same template for both word processors.
    static const OutputPlan& outputPlan();

private:
    void Button7Click();
    void Button8Click();
};

} // namespace composer
