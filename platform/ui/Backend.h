#pragma once
// The window system behind the class library: real windows (platform/ui/qt) or none (headless).

#include "platform/ui/Component.h"
#include "platform/ui/Dialogs.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;
class OpenDialog;

class Backend {
public:
    virtual ~Backend() = default;

    // The window of a component; null when the backend has none.
    virtual std::unique_ptr<Peer> createPeer(Component& component) = 0;

    // Runs the message loop until the main form closes or the application terminates.
    virtual void run(Form& mainForm) = 0;
    // Runs a modal loop until the form's modal result is set or the application terminates.
    virtual void runModal(Form& form) = 0;
    // Handles what is pending, then returns.
    virtual void processMessages() = 0;
    // Runs the task later, from the message loop.
    virtual void post(std::function<void()> task) = 0;
    // Leaves every loop.
    virtual void quit() = 0;

    virtual ModalResult messageBox(const MessageRequest& request) = 0;
    virtual std::optional<std::string> inputQuery(const InputRequest& request) = 0;
    // The chosen file, or nothing when cancelled.
    virtual std::optional<std::string> openFile(const OpenDialog& dialog) = 0;

    virtual std::vector<std::string> fontNames() = 0;
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

} // namespace ui
