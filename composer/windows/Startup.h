#pragma once
// Start-up of the composer: the application title, the chooser as main form, the hidden
// incoming-document form, then the message loop. Command-line arguments are not read.

#include "composer/windows/DocumentForms.h"
#include "platform/ui/Application.h"

namespace composer {

inline constexpr const char* ApplicationTitle = "Brevaro v5.0";

// Everything up to the message loop, with the document forms that the chooser opens.
void startUp(ui::Application& app, const DocumentForms& forms);

// startUp, then the message loop until the chooser closes. Returns the program's exit code.
int runComposer(ui::Application& app, const DocumentForms& forms);

} // namespace composer
