#pragma once
// A check of a form's layout on the real windows, for tests: captions that do not fit their control or
// that run into the frame around them.

#include "platform/ui/Form.h"

#include <string>
#include <vector>

namespace ui::qt {

// The captions of the form's visible labels, buttons, check boxes and radio buttons that are cut off by
// their control's own width, or that end closer than `margin` pixels to the right edge of the frame,
// panel or window they sit in. One line each: the control's name and what is wrong. The form must have
// its window (shown or not).
std::vector<std::string> crampedCaptions(const ui::Form& form, int margin = 6);

} // namespace ui::qt
