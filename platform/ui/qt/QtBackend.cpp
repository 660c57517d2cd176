#include "platform/ui/qt/QtBackend.h"

#include "platform/ui/Application.h"
#include "platform/ui/Timer.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/Localisation.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtPeer.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QTimer>

namespace ui::qt {

namespace {

class TimerPeer : public ui::Peer {
public:
    explicit TimerPeer(ui::Timer& timer) : m_timer(timer) {
        QObject::connect(&m_qtimer, &QTimer::timeout, [this] { deliver([this] { m_timer.tick(); }); });
        update(ui::Property::Timer);
    }
    void update(ui::Property property) override {
        if (property != ui::Property::Timer)
            return;
        m_qtimer.setInterval(m_timer.interval());
        if (m_timer.enabled() && m_timer.interval() > 0)
            m_qtimer.start();
        else
            m_qtimer.stop();
    }

private:
    ui::Timer& m_timer;
    QTimer m_qtimer;
};

class QtBackend : public ui::Backend {
public:
    QtBackend(int& argc, char** argv) : m_app(argc, argv) {
        QApplication::setQuitOnLastWindowClosed(false);
        installQtTranslations(m_translations, QLocale::system());
        useChineseInterfaceFont();
    }

    std::unique_ptr<ui::Peer> createPeer(ui::Component& component) override {
        if (auto* form = dynamic_cast<ui::Form*>(&component)) {
            auto peer = std::make_unique<FormPeer>(*form);
            peer->initialise();
            return peer;
        }
        if (auto* timer = dynamic_cast<ui::Timer*>(&component))
            return std::make_unique<TimerPeer>(*timer);
        if (auto* control = dynamic_cast<ui::Control*>(&component))
            return makeControlPeer(*control);
        return nullptr;
    }

    void run(ui::Form&) override {
        if (!ui::Application::current().terminated())
            QApplication::exec();
    }

    void runModal(ui::Form& form) override {
        if (auto* peer = dynamic_cast<FormPeer*>(form.peer()))
            peer->exec();
    }

    void processMessages() override { QApplication::processEvents(); }

    void post(std::function<void()> task) override {
        QTimer::singleShot(0, &m_app, [task = std::move(task)] { deliver(task); });
    }

    // Leaves the main loop and every modal loop inside it.
    void quit() override { QApplication::exit(0); }

    ui::ModalResult messageBox(const ui::MessageRequest& request) override { return showMessageBox(request); }
    std::optional<std::string> inputQuery(const ui::InputRequest& request) override {
        return showInputBox(request);
    }
    std::optional<std::string> openFile(const ui::OpenDialog& dialog) override {
        return showOpenDialog(dialog);
    }

    std::vector<std::string> fontNames() override {
        std::vector<std::string> names;
        for (const QString& family : QFontDatabase::families())
            names.push_back(fromQt(family));
        return names;
    }
    std::string clipboardText() override { return fromQt(QApplication::clipboard()->text()); }
    void setClipboardText(const std::string& text) override {
        QApplication::clipboard()->setText(toQt(text));
    }

private:
    QApplication m_app;
    QTranslator m_translations;
};

} // namespace

std::unique_ptr<ui::Backend> makeBackend(int& argc, char** argv) {
    return std::make_unique<QtBackend>(argc, argv);
}

} // namespace ui::qt
