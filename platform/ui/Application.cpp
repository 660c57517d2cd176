#include "platform/ui/Application.h"

#include "platform/text/CodePoints.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Dialogs.h"

#include <algorithm>

namespace ui {

namespace {

Application* currentApplication = nullptr;

// The exception dialog adds a full stop unless the text ends in '.' or a character below it.
std::string withFullStop(std::string text) {
    const auto codePoints = text::decodeUtf8(text);
    if (!codePoints.empty() && codePoints.back() > U'.')
        text += '.';
    return text;
}

} // namespace

Application::Application(std::unique_ptr<Backend> backend) : m_backend(std::move(backend)) {
    if (currentApplication)
        throw Error("An application exists already");
    currentApplication = this;
}

Application::~Application() {
    // Forms go while the backend that made their windows still exists.
    while (!m_ownedForms.empty())
        m_ownedForms.pop_back();
    m_backend.reset();
    currentApplication = nullptr;
}

Application& Application::current() {
    if (!currentApplication)
        throw Error("No application exists");
    return *currentApplication;
}

void Application::run() {
    if (!m_mainForm || m_terminated)
        return;
    m_mainForm->show();
    m_backend->run(*m_mainForm);
}

void Application::processMessages() {
    m_backend->processMessages();
}

void Application::post(std::function<void()> task) {
    m_backend->post(std::move(task));
}

void Application::terminate() {
    m_terminated = true;
    m_backend->quit();
}

void Application::showException(const std::exception& error) {
    messageBox(withFullStop(error.what()), m_title, MessageButtons::Ok, MessageIcon::Error);
}

void Application::deliver(const std::function<void()>& event) noexcept {
    if (!event)
        return;
    try {
        event();
    } catch (const std::exception& error) {
        reportSafely(error);
    } catch (...) {
        reportSafely(Error("Unknown exception"));
    }
}

void Application::reportSafely(const std::exception& error) noexcept {
    try {
        showException(error);
    } catch (...) {
        // The dialog itself failed; there is nobody left to tell.
    }
}

Form* Application::topForm() const {
    Form* top = nullptr;
    for (Form* form : m_forms)
        if (form->visible() && (!top || form->showStamp() > top->showStamp()))
            top = form;
    return top;
}

void Application::adopt(std::unique_ptr<Form> form) {
    m_ownedForms.push_back(std::move(form));
}

void Application::registerForm(Form& form) {
    m_forms.push_back(&form);
}

void Application::unregisterForm(Form& form) {
    std::erase(m_forms, &form);
    if (m_mainForm == &form)
        m_mainForm = nullptr;
}

} // namespace ui
