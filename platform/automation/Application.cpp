#include "platform/automation/Application.h"

#include "platform/automation/Automation.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/Instance.h"

namespace automation {

float MillimetersToPoints(float millimetres) {
    return static_cast<float>(static_cast<double>(millimetres) * 72.0 / 25.4);
}

float CentimetersToPoints(float centimetres) {
    return static_cast<float>(static_cast<double>(centimetres) * 72.0 / 2.54);
}

Application GetActiveObject(std::string_view progId) {
    std::shared_ptr<wordproc::Instance> instance = wordproc::Instance::running(progId);
    if (!instance)
        throw Error("操作不可用：“" + std::string(progId) + "”没有在运行。");
    return Application(instance);
}

Application CreateObject(std::string_view progId) {
    return Application(wordproc::Instance::start(progId));
}

Document Documents::Add(const std::string& templatePath) const {
    return Document(m_instance->addDocument(templatePath));
}

Document Documents::Open(const std::string& path) const {
    return Document(m_instance->openDocument(path));
}

int Documents::Count() const {
    return m_instance->documentCount();
}

Document Documents::Item(int index) const {
    return Document(m_instance->document(index));
}

bool Options::checkSpellingAsYouType() const {
    m_instance->requireRunning();
    return m_instance->checkSpellingAsYouType();
}

void Options::setCheckSpellingAsYouType(bool check) const {
    m_instance->setCheckSpellingAsYouType(check);
}

bool Options::checkGrammarAsYouType() const {
    m_instance->requireRunning();
    return m_instance->checkGrammarAsYouType();
}

void Options::setCheckGrammarAsYouType(bool check) const {
    m_instance->setCheckGrammarAsYouType(check);
}

bool View::tableGridlines() const {
    m_instance->activeDocument();
    return m_instance->tableGridlines();
}

void View::setTableGridlines(bool show) const {
    m_instance->setTableGridlines(show);
}

View Window::View() const {
    return automation::View(m_instance);
}

Document Window::Document() const {
    return automation::Document(m_document);
}

Selection Window::Selection() const {
    m_document->selection();
    return automation::Selection(m_document);
}

void Window::Activate() const {
    m_instance->activate(m_document);
}

Documents Application::Documents() const {
    m_instance->requireRunning();
    return automation::Documents(m_instance);
}

Options Application::Options() const {
    m_instance->requireRunning();
    return automation::Options(m_instance);
}

Window Application::ActiveWindow() const {
    return Window(m_instance, m_instance->activeDocument());
}

Document Application::ActiveDocument() const {
    return Document(m_instance->activeDocument());
}

Selection Application::Selection() const {
    return automation::Selection(m_instance->activeDocument());
}

CommandBars Application::CommandBars() const {
    m_instance->commandBars();
    return automation::CommandBars(m_instance);
}

Connection Application::connectWindowActivate(WindowActivateHandler handler) const {
    m_instance->requireRunning();
    std::weak_ptr<wordproc::Instance> instance = m_instance;
    return m_instance->windowActivated().connect(
        [instance, handler = std::move(handler)](std::shared_ptr<wordproc::Document> document) {
            handler(automation::Document(document), Window(instance.lock(), document));
        });
}

bool Application::visible() const {
    m_instance->requireRunning();
    return m_instance->visible();
}

void Application::setVisible(bool visible) const {
    m_instance->setVisible(visible);
}

std::string Application::caption() const {
    m_instance->requireRunning();
    return m_instance->caption();
}

void Application::setCaption(const std::string& caption) const {
    m_instance->setCaption(caption);
}

float Application::MillimetersToPoints(float millimetres) const {
    return automation::MillimetersToPoints(millimetres);
}

float Application::CentimetersToPoints(float centimetres) const {
    return automation::CentimetersToPoints(centimetres);
}

void Application::Quit() const {
    m_instance->quit();
}

} // namespace automation
