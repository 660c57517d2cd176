#include "tools/dqxhost/HostSession.h"

#include "platform/addinhost/HostedAddIn.h"
#include "platform/automation/Automation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/wordproc/HandOff.h"
#include "tools/dqx-script/ScriptLine.h"
#include "tools/dqxhost/AddInLocation.h"

#include <functional>
#include <vector>

namespace dqxhost {

namespace {

constexpr int PopupType = 10;

// Runs a step; its failure becomes a HostFailure that says what could not be done.
template <class Step> auto attempt(const std::string& what, Step step) {
    try {
        return step();
    } catch (const HostFailure&) {
        throw;
    } catch (const std::exception& error) {
        throw HostFailure(what + ": " + error.what());
    }
}

// The document as the word processor holds it; closed unsaved at the end, so that nothing is written
// but what --save asks for.
class OpenDocument {
public:
    OpenDocument(const automation::Application& app, const std::string& path)
        : m_document(attempt("cannot open the document " + path, [&] { return app.Documents().Add(path); })) {
    }
    ~OpenDocument() {
        try {
            m_document.Close();
        } catch (...) {
        }
    }
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;
    const automation::Document& operator*() const { return m_document; }
    const automation::Document* operator->() const { return &m_document; }

private:
    automation::Document m_document;
};

std::unique_ptr<addinhost::HostedAddIn> connectAddIn(const automation::Application& app,
                                                     const AddInBuild& build) {
    return attempt("cannot load the add-in " + std::string(build.progId), [&] {
        ensureRegistered(build);
        registry::Registry store;
        auto addIn = std::make_unique<addinhost::HostedAddIn>(store, build.progId);
        addIn->connect(app, addinhost::ConnectMode::Startup);
        addIn->startupComplete();
        return addIn;
    });
}

void placeSelection(const automation::Document& document, Place place, int number) {
    if (place == Place::Paragraph) {
        automation::Paragraphs paragraphs = document.Paragraphs();
        if (number > paragraphs.Count())
            throw HostFailure("the document has no paragraph " + std::to_string(number) + " (it has " +
                              std::to_string(paragraphs.Count()) + ")");
        int start = paragraphs.Item(number).Range().start();
        document.Range(start, start).Select();
    } else if (place == Place::Page) {
        automation::Selection selection = document.ActiveWindow().Selection();
        int pages = selection.Information(4);
        if (number > pages)
            throw HostFailure("the document has no page " + std::to_string(number) + " (it has " +
                              std::to_string(pages) + ")");
        selection.GoTo(1, 1, number);
    }
}

// The popups that the add-in put on the menu bar: every popup there that is not the word processor's own.
std::vector<automation::CommandBarControl> addInMenus(const automation::Application& app) {
    std::vector<automation::CommandBarControl> menus;
    automation::CommandBarControls bar = app.CommandBars().Item("Menu Bar").Controls();
    for (int i = 1; i <= bar.Count(); ++i) {
        automation::CommandBarControl control = bar.Item(i);
        if (control.type() == PopupType && !control.builtIn())
            menus.push_back(control);
    }
    if (menus.empty())
        throw HostFailure("the add-in put no menu on the menu bar");
    return menus;
}

void printMenus(const automation::Application& app, std::ostream& out) {
    for (const automation::CommandBarControl& menu : addInMenus(app)) {
        out << "menu: " << dqxscript::escape(menu.caption()) << '\n';
        automation::CommandBarControls buttons = menu.Controls();
        for (int i = 1; i <= buttons.Count(); ++i) {
            automation::CommandBarControl button = buttons.Item(i);
            if (button.beginGroup())
                out << "group\n";
            out << "item: " << dqxscript::escape(button.caption()) << '\n';
        }
    }
}

void click(const automation::Application& app, const std::string& caption) {
    for (const automation::CommandBarControl& menu : addInMenus(app)) {
        automation::CommandBarControls buttons = menu.Controls();
        for (int i = 1; i <= buttons.Count(); ++i) {
            automation::CommandBarControl button = buttons.Item(i);
            if (button.caption() == caption) {
                button.Execute();
                return;
            }
        }
    }
    throw HostFailure("no button \"" + caption + "\" in the add-in's menu");
}

} // namespace

void runHost(const HostArguments& arguments, std::ostream& out) {
    auto backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend& headless = *backend;
    ui::Application ui(std::move(backend));
    for (const std::string& answer : arguments.answers)
        headless.queueInputAnswer(answer);
    headless.onMessage = [&out](const ui::HeadlessBackend::MessageRecord& record) {
        out << "message: " << dqxscript::escape(record.request.caption) << ": "
            << dqxscript::escape(record.request.text) << '\n';
    };
    // Nothing goes to the desktop: a document is written only where --save says.
    wordproc::setHandOffOpening(wordproc::HandOffOpening::Suppressed);

    const AddInBuild& build = addInBuild(arguments.host);
    automation::Application app = automation::CreateObject(build.hostProgId);
    OpenDocument document(app, arguments.document);
    std::unique_ptr<addinhost::HostedAddIn> addIn = connectAddIn(app, build);
    // The document's window comes up once the add-in is there, as it does when the host starts with it.
    document->Activate();
    placeSelection(*document, arguments.place, arguments.placeNumber);
    if (arguments.menu)
        printMenus(app, out);
    for (const std::string& caption : arguments.clicks)
        click(app, caption);
    if (arguments.savePath) {
        attempt("cannot save the document as " + *arguments.savePath,
                [&] { document->SaveAs(*arguments.savePath); });
        out << "saved: " << *arguments.savePath << '\n';
    }
    addIn->disconnect(addinhost::DisconnectMode::HostShutdown);
}

} // namespace dqxhost
