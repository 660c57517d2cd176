#pragma once
// The base of the controls whose text the user edits: edit, memo, rich edit and combo box. Typed
// characters pass through OnKeyPress, where a handler may change the character or set it to 0 to
// swallow it; 8 is backspace. Pasted text passes through it too, character by character, so that a
// field that takes digits only gets no letters by the clipboard either.

#include "platform/ui/Control.h"

#include <functional>
#include <string>
#include <string_view>

namespace ui {

constexpr char32_t KeyBackspace = 8;
constexpr char32_t KeyEnter = 13;
constexpr char32_t KeyTab = 9;

class TextControl : public Control {
public:
    const std::string& text() const { return m_text; }
    // As code does it: the caret goes to the end. Edits and memos fire OnChange when the text changes.
    void setText(std::string text);

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // The selection, in characters; in a memo a line break counts two (CR and LF).
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    void setSelection(int start, int length);
    void selectAll();
    std::string selText() const;

    // The standard edit actions on the selection. They change the text as the user does; a paste goes
    // through filterPasted.
    void clearSelection();
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();

    std::function<void()> OnChange;
    std::function<void(char32_t&)> OnKeyPress;

    // The user's side. One typed character: OnKeyPress first, then it is inserted at the caret (or
    // deletes backwards for 8) unless swallowed. Enter presses the form's default button in a
    // single-line control and starts a new line in a memo.
    void userKey(char32_t key);
    // Each character as userKey; "\n" is Enter.
    void userType(std::string_view utf8);
    // Runs only the key filter: the character that the control would insert, 0 when swallowed.
    char32_t filterKey(char32_t key);
    // What the control takes of pasted text: each character through the key filter (each line break as
    // Enter), line breaks as CR LF in a multi-line control; a single-line control takes the first line.
    std::string filterPasted(std::string_view utf8);
    // The user replaces the whole text (select all, then paste): what filterPasted keeps of it.
    virtual void userSetText(std::string text);
    // A window reports the text or the selection after the user changed it.
    void userEdited(std::string text);
    void userSelected(int start, int length);

    // Whether Enter starts a new line here instead of pressing the default button.
    virtual bool multiLine() const { return false; }
    // Whether Tab is typed here; where it is not, it moves the keyboard focus to the next control.
    virtual bool wantTabs() const { return false; }

protected:
    TextControl(Form* form, std::string name, Container* parent);

    enum class Origin { Code, User };
    // Stores the text, keeps the selection inside it, tells the window and fires OnChange as the
    // control's rule says.
    void assignText(std::string text, Origin origin);
    // Whether code that sets the text fires OnChange (combo boxes do not).
    virtual bool changeEventFromCode() const { return true; }
    // Whether typed characters go into the text (a drop-down list takes none).
    virtual bool takesTyping() const { return true; }
    // The text that the control takes when given this one (a drop-down list takes only its items).
    virtual std::string acceptText(std::string text) const { return text; }
    // Called after every change of the text, before OnChange.
    virtual void textChanged() {}

private:
    void replaceSelection(std::u32string_view with);
    void deleteBackwards();
    void pressEnter();

    std::string m_text;
    bool m_readOnly = false;
    int m_selStart = 0;
    int m_selLength = 0;
};

} // namespace ui
