#pragma once
// The application: title, main form, message loop, and the default exception dialog that reports an
// error escaping an event handler. One exists at a time; Application::current() finds it.

#include "platform/ui/Form.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Backend;

class Application {
public:
    explicit Application(std::unique_ptr<Backend> backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Throws Error when no application exists.
    static Application& current();
    Backend& backend() const { return *m_backend; }

    // The program's name in the task bar and the caption of the exception dialog.
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }

    // The first form made with createForm; closing it ends the program.
    Form* mainForm() const { return m_mainForm; }
    template <class T> T& createForm();

    // Shows the main form and runs the message loop until it closes or terminate() is called.
    void run();
    // Handles pending messages and posted tasks, then returns.
    void processMessages();
    // Runs the task later from the message loop (or from processMessages).
    void post(std::function<void()> task);
    void terminate();
    bool terminated() const { return m_terminated; }

    // The default exception dialog: the error's text (with a full stop added when it ends in a letter
    // or other character above '.') in a message box captioned with the title.
    void showException(const std::exception& error);
    // Runs a user's event; an exception escaping it goes to the exception dialog.
    void deliver(const std::function<void()>& event) noexcept;

    // The visible form that came up last, or null.
    Form* topForm() const;
    const std::vector<Form*>& forms() const { return m_forms; }

    // Bookkeeping for Form.
    void adopt(std::unique_ptr<Form> form);
    void registerForm(Form& form);
    void unregisterForm(Form& form);
    long nextShowStamp() { return ++m_showCount; }

private:
    void reportSafely(const std::exception& error) noexcept;

    std::unique_ptr<Backend> m_backend;
    std::string m_title;
    Form* m_mainForm = nullptr;
    std::vector<std::unique_ptr<Form>> m_ownedForms;
    std::vector<Form*> m_forms;
    bool m_terminated = false;
    long m_showCount = 0;
};

template <class T> T& Application::createForm() {
    T& form = ui::createForm<T>(nullptr);
    if (!m_mainForm)
        m_mainForm = &form;
    return form;
}

} // namespace ui
