#pragma once
// What the composer hands to the desktop: finished documents, help pages and the product's web pages.
// When no program can be started for one, the user is told where it is, so that nothing is lost.

#include <string>

namespace composer {

enum class DesktopItem { Document, HelpPage, WebPage };

// The message for an item that no program could be started for; it names the full path or address.
std::string notOpenedMessage(DesktopItem item, const std::string& pathOrAddress);

// Shows notOpenedMessage in the system's message box.
void reportNotOpened(DesktopItem item, const std::string& pathOrAddress);

// Opens the file or address on the desktop, or reports that nothing could open it.
void openOnDesktop(DesktopItem item, const std::string& pathOrAddress);

} // namespace composer
