#pragma once
// Value types shared by the components, the application and the backends.

#include <stdexcept>
#include <string>

namespace ui {

// A misuse of the class library, such as two components of one name or showing a visible form modally.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The result of a modal form, and the button pressed in a message box.
enum class ModalResult { None, Ok, Cancel, Abort, Retry, Ignore, Yes, No };
inline constexpr ModalResult mrNone = ModalResult::None;
inline constexpr ModalResult mrOk = ModalResult::Ok;
inline constexpr ModalResult mrCancel = ModalResult::Cancel;
inline constexpr ModalResult mrAbort = ModalResult::Abort;
inline constexpr ModalResult mrRetry = ModalResult::Retry;
inline constexpr ModalResult mrIgnore = ModalResult::Ignore;
inline constexpr ModalResult mrYes = ModalResult::Yes;
inline constexpr ModalResult mrNo = ModalResult::No;

enum class WindowState { Normal, Minimised, Maximised };

// Where a form appears when it is first shown.
enum class FormPosition { Designed, ScreenCenter, MainFormCenter, OwnerFormCenter };

enum class BorderStyle { Sizeable, Dialog, Single, ToolWindow, SizeToolWindow, None };

struct BorderIcons {
    bool systemMenu = true;
    bool minimise = true;
    bool maximise = true;
};

// The property that a component tells its window about when it changes.
enum class Property {
    Caption,
    Text,
    Items,
    ItemIndex,
    Checked,
    Enabled,
    Visible,
    Hint,
    Bounds,
    Font,
    Cursor,
    ReadOnly,
    Selection,
    ScrollToEnd,
    Focus,
    Default,
    Picture,
    Timer,
    WindowState,
    ModalResult,
    FormStyle,
};

// Position and size in pixels; a control's are relative to its parent's client area.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// An empty name or a size of 0 leaves the backend's default.
struct Font {
    std::string name;
    int size = 0; // points
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Cursor { Default, HandPoint };

// Text names used by the script driver and in messages: "Normal", "Minimised", "Maximised".
std::string windowStateName(WindowState state);
// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No", "None".
std::string modalResultName(ModalResult result);

} // namespace ui
