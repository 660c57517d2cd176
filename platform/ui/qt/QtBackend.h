#pragma once
// The backend with real windows (Qt Widgets). This header is free of Qt so that programs can choose it.

#include "platform/ui/Backend.h"

#include <memory>

namespace ui::qt {

// Starts the window system for the program; argc and argv may lose the window system's own options.
std::unique_ptr<ui::Backend> makeBackend(int& argc, char** argv);

} // namespace ui::qt
