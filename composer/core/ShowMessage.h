#pragma once
// The plain message box of the system: the text, the program's title as caption, and an OK button.

#include <string>

namespace composer {

void showMessage(const std::string& text);

} // namespace composer
