#pragma once
// Key filters bound to OnKeyPress of edits and combo boxes. Setting the character to 0 swallows it.

namespace composer {

// FilterDigitKey: backspace, "." and "0" to "9" pass; every other typed character is swallowed.
void FilterDigitKey(char32_t& key);

// Every typed character is swallowed, so a combo box changes only by choosing from its list.
void DiscardKey(char32_t& key);

} // namespace composer
