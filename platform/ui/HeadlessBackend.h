#pragma once
// The backend without windows, for tests and the UI script driver. A driver acts on each form that
// runs a loop (the main form, and every modal form while it is shown); dialogs take queued answers,
// or their default button when none is queued.

#include "platform/ui/Backend.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace ui {

class HeadlessBackend : public Backend {
public:
    // Acts on the form as its user would until finished() is true or it has nothing more to do.
    // When it returns with a modal form still open, the form ends with Cancel.
    using Driver = std::function<void(Form& form, const std::function<bool()>& finished)>;
    void setDriver(Driver driver) { m_driver = std::move(driver); }

    // Answers for the next dialogs of each kind, in order. No text or path: the dialog is cancelled.
    void queueMessageAnswer(ModalResult button) { m_messageAnswers.push_back(button); }
    void queueInputAnswer(std::optional<std::string> text) { m_inputAnswers.push_back(std::move(text)); }
    void queueOpenAnswer(std::optional<std::string> path) { m_openAnswers.push_back(std::move(path)); }

    struct MessageRecord {
        MessageRequest request;
        ModalResult answer;
    };
    const std::optional<MessageRecord>& lastMessage() const { return m_lastMessage; }
    // Every message box, with the button that answered it.
    std::function<void(const MessageRecord&)> onMessage;

    enum class Note { DefaultAnswer, Problem };
    // A dialog that took its default answer, or a queued answer that did not fit (a problem).
    std::function<void(Note, const std::string&)> onNote;

    // The font names that the backend reports.
    static const std::vector<std::string>& fixedFonts();

    std::unique_ptr<Peer> createPeer(Component& component) override;
    void run(Form& mainForm) override;
    void runModal(Form& form) override;
    void processMessages() override;
    void post(std::function<void()> task) override { m_posted.push_back(std::move(task)); }
    void quit() override {}
    ModalResult messageBox(const MessageRequest& request) override;
    std::optional<std::string> inputQuery(const InputRequest& request) override;
    std::optional<std::string> openFile(const OpenDialog& dialog) override;
    std::vector<std::string> fontNames() override { return fixedFonts(); }
    std::string clipboardText() override { return m_clipboard; }
    void setClipboardText(const std::string& text) override { m_clipboard = text; }

private:
    void note(Note kind, const std::string& text);

    Driver m_driver;
    std::deque<ModalResult> m_messageAnswers;
    std::deque<std::optional<std::string>> m_inputAnswers;
    std::deque<std::optional<std::string>> m_openAnswers;
    std::optional<MessageRecord> m_lastMessage;
    std::deque<std::function<void()>> m_posted;
    std::string m_clipboard;
};

} // namespace ui
