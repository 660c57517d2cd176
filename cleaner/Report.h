#pragma once
// How the cleaner, a program without a window, tells the user what went wrong.

#include <string>

namespace cleaner {

// True when a graphical display is available (DISPLAY or WAYLAND_DISPLAY is set).
bool hasDisplay();

// Shows the text in a message box where a display and a message box are available, else writes it to
// standard error.
void showMessage(const std::string& text);

// Writes "crtsweep: <text>" to standard error.
void reportFailure(const std::string& text);

// Shows the text in the desktop's message box. Returns false when no message box could be shown.
bool showInMessageBox(const std::string& text);

} // namespace cleaner
