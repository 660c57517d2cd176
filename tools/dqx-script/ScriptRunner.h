#pragma once
// Runs a UI script against the forms of a headless application. The runner is the backend's driver:
// the main form's loop and every modal form's loop take the next lines of the script until their form
// closes, so a line that opens a modal form is followed by the lines that act on it.
//
// Output, one line each: "message: CAPTION: TEXT" for every message box, "document: PATH" for every
// document handed over, "program: ARGV" for every program that the desktop is asked to start (none
// really starts), "default: ..." for a dialog that took its default answer, and "line N: ..." for a
// failed expectation, an unknown name or a command that a user could not give.
//
// "programs none" makes every later start fail, as on a desktop without any program to open documents
// and pages; "programs all" (the default) lets every start succeed.
//
// "choose NAME" clicks a radio button as "click" does, but also one that its window keeps hidden: the
// chooser's hidden choices, which no user sees, are reached this way.

#include "platform/ui/HeadlessBackend.h"
#include "tools/dqx-script/ScriptLine.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace ui {
class Component;
class Control;
class Form;
class TextControl;
} // namespace ui

namespace dqxscript {

class ScriptRunner {
public:
    ScriptRunner(std::vector<std::string> lines, std::ostream& out);

    // Becomes the backend's driver and reports its dialogs.
    void attach(ui::HeadlessBackend& backend);
    // Runs the answer lines at the head of the script, so that they can answer dialogs of the start-up.
    void runLeadingAnswers();
    // The driver: runs lines on the topmost form until finished() or the script ends.
    void drive(ui::Form& form, const std::function<bool()>& finished);
    // Reports the lines that were never run. Returns the exit code: 0 when every line ran and every
    // expectation held, 1 otherwise.
    int finish();

    // A document that the word processor handed over.
    void reportDocument(const std::string& path);
    // The desktop is asked to start a program; true when the script lets it start.
    bool startProgram(const std::vector<std::string>& argv);

    bool failed() const { return m_failed; }

private:
    void execute(const ScriptLine& line);
    void fail(const std::string& message);
    ui::Form* topForm();
    // The named component of the topmost form, or the form itself by its class name; null after a
    // reported failure.
    ui::Component* find(const std::string& name);
    // find(), as a component of that type; reports a component of another type ("a timer").
    template <class T> T* findAs(const std::string& name, const char* kind);
    // The control, if a user could act on it now; reports why not otherwise.
    ui::Control* usableControl(const std::string& name);
    ui::TextControl* usableTextControl(const std::string& name);

    void click(const std::string& rest);
    void choose(const std::string& rest);
    void setText(const std::string& rest);
    void typeText(const std::string& rest);
    void pick(const std::string& rest);
    void tick(const std::string& rest);
    void close();
    void answer(const std::string& rest);
    void expect(const std::string& rest);
    void programs(const std::string& rest);

    std::vector<std::string> m_lines;
    std::ostream& m_out;
    ui::HeadlessBackend* m_backend = nullptr;
    std::size_t m_next = 0;
    int m_lineNumber = 0;
    bool m_failed = false;
    bool m_programsStart = true;
};

} // namespace dqxscript
