#include "platform/ui/Dialogs.h"

#include "platform/fonts/FontRules.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"

#include <algorithm>

namespace ui {

std::vector<ModalResult> buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {ModalResult::Ok};
    case MessageButtons::OkCancel:
        return {ModalResult::Ok, ModalResult::Cancel};
    case MessageButtons::YesNo:
        return {ModalResult::Yes, ModalResult::No};
    case MessageButtons::YesNoCancel:
        return {ModalResult::Yes, ModalResult::No, ModalResult::Cancel};
    case MessageButtons::RetryCancel:
        return {ModalResult::Retry, ModalResult::Cancel};
    case MessageButtons::AbortRetryIgnore:
        return {ModalResult::Abort, ModalResult::Retry, ModalResult::Ignore};
    }
    return {ModalResult::Ok};
}

ModalResult messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                       MessageIcon icon, Form* owner) {
    return Application::current().backend().messageBox({text, caption, buttons, icon, owner});
}

std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                      const std::string& value) {
    return Application::current().backend().inputQuery({caption, prompt, value});
}

std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    return inputQuery(caption, prompt, defaultValue).value_or(defaultValue);
}

std::vector<std::string> screenFonts() {
    auto names = Application::current().backend().fontNames();
    // The platform's font rules give these names a face, installed under that name or not.
    const std::vector<std::string>& ruled = fonts::ruledFamilies();
    names.insert(names.end(), ruled.begin(), ruled.end());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace ui
