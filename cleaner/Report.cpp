#include "cleaner/Report.h"

#include <cstdlib>
#include <iostream>

namespace cleaner {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool hasDisplay() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

void showMessage(const std::string& text) {
    if (hasDisplay() && showInMessageBox(text))
        return;
    reportFailure(text);
}

void reportFailure(const std::string& text) {
    std::cerr << "crtsweep: " << text << std::endl;
}

} // namespace cleaner
