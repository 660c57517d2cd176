#include "platform/ui/HeadlessBackend.h"

#include "platform/ui/Application.h"
#include "platform/ui/OpenDialog.h"

#include <algorithm>
#include <filesystem>

namespace ui {

const std::vector<std::string>& HeadlessBackend::fixedFonts() {
    static const std::vector<std::string> fonts = {"仿宋", "宋体", "标准公文_仿宋", "标准公文_小标宋",
                                                   "楷体", "黑体"};
    return fonts;
}

std::unique_ptr<Peer> HeadlessBackend::createPeer(Component&) {
    return nullptr;
}

void HeadlessBackend::note(Note kind, const std::string& text) {
    if (onNote)
        onNote(kind, text);
}

void HeadlessBackend::run(Form& mainForm) {
    if (m_driver)
        m_driver(mainForm,
                 [&mainForm] { return Application::current().terminated() || !mainForm.visible(); });
}

void HeadlessBackend::runModal(Form& form) {
    const auto finished = [&form] { return form.modalDone(); };
    if (m_driver)
        m_driver(form, finished);
    if (!finished())
        note(Note::DefaultAnswer, form.className() + " closed with Cancel: nothing more acts on it");
}

void HeadlessBackend::processMessages() {
    // Only what is pending now: a task that posts itself again waits for the next round.
    auto pending = std::move(m_posted);
    m_posted.clear();
    for (auto& task : pending)
        Application::current().deliver(task);
}

ModalResult HeadlessBackend::messageBox(const MessageRequest& request) {
    const auto allowed = buttonsOf(request.buttons);
    ModalResult answer = allowed.front();
    std::string problem;
    bool queued = false;
    if (!m_messageAnswers.empty()) {
        const ModalResult wanted = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        queued = std::find(allowed.begin(), allowed.end(), wanted) != allowed.end();
        if (queued)
            answer = wanted;
        else
            problem = "the message box has no button " + modalResultName(wanted) + "; pressed " +
                      modalResultName(answer);
    }
    m_lastMessage = MessageRecord{request, answer};
    if (onMessage)
        onMessage(*m_lastMessage);
    if (!problem.empty())
        note(Note::Problem, problem);
    else if (!queued)
        note(Note::DefaultAnswer, "message box answered " + modalResultName(answer));
    return answer;
}

std::optional<std::string> HeadlessBackend::inputQuery(const InputRequest& request) {
    if (m_inputAnswers.empty()) {
        note(Note::DefaultAnswer, "input box \"" + request.caption + "\" cancelled");
        return std::nullopt;
    }
    auto answer = std::move(m_inputAnswers.front());
    m_inputAnswers.pop_front();
    return answer;
}

std::optional<std::string> HeadlessBackend::openFile(const OpenDialog& dialog) {
    if (m_openAnswers.empty()) {
        note(Note::DefaultAnswer, "open dialog cancelled");
        return std::nullopt;
    }
    auto answer = std::move(m_openAnswers.front());
    m_openAnswers.pop_front();
    if (answer && dialog.options().fileMustExist && !std::filesystem::exists(*answer)) {
        note(Note::Problem, "the open dialog takes only an existing file, not " + *answer + "; cancelled");
        return std::nullopt;
    }
    return answer;
}

} // namespace ui
