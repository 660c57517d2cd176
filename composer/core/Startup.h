#pragma once
// Start-up of the composer: the application title, the chooser as main form, the hidden
// incoming-document form, then the message loop. Command-line arguments are not read.

#include "platform/ui/Application.h"

namespace composer {

inline constexpr const char* ApplicationTitle = "Brevaro v5.0";

// Everything up to the message loop.
void startUp(ui::Application& app);

// startUp, then the message loop until the chooser closes. Returns the program's exit code.
int runComposer(ui::Application& app);

} // namespace composer
