#pragma once
// Message boxes and input boxes.

#include "platform/ui/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageIcon { None, Error, Question, Warning, Information };

// The buttons of a message box in their order; the first is the default.
std::vector<ModalResult> buttonsOf(MessageButtons buttons);

struct MessageRequest {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    Form* owner = nullptr;
};

struct InputRequest {
    std::string caption;
    std::string prompt;
    std::string value;
};

// Shows a message box and returns the pressed button (ModalResult::Ok, Yes, No ...).
ModalResult messageBox(const std::string& text, const std::string& caption,
                       MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None,
                       Form* owner = nullptr);

// A one-line input dialog: the entered text, or nothing when cancelled.
std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                      const std::string& value);

// As inputQuery, but a cancelled dialog gives the default value.
std::string inputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

// The names of the fonts installed for the screen, sorted, with the names that the platform's font rules
// resolve (platform/fonts).
std::vector<std::string> screenFonts();

} // namespace ui
