#pragma once
// How the add-in's handlers meet a failing host call: no error ever reaches the host. A handler either
// ends silently, or ends with its own message; one that goes on after a failing step wraps each step in
// endSilently.

#include <functional>
#include <string>

namespace addin {

// The caption of the add-in's message boxes.
inline constexpr const char* AddInTitle = "Brevaro";

// Runs the steps; the first that fails ends them, and nobody is told.
void endSilently(const std::function<void()>& steps) noexcept;

// Shows a message box of the text, captioned AddInTitle, with an OK button only; one that cannot be shown
// is no failure either.
void showMessage(const std::string& text) noexcept;

// Runs the steps; the first that fails ends them with a message box of the text, captioned AddInTitle,
// with an OK button only.
void endWithMessage(const std::string& text, const std::function<void()>& steps) noexcept;

} // namespace addin
