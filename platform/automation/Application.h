#pragma once
// The word processor's application object and what hangs from it: the documents, the options and the
// window that shows the active document.

#include "platform/automation/Events.h"

#include <functional>
#include <memory>
#include <string>

namespace wordproc {
class Document;
class Instance;
} // namespace wordproc

namespace automation {

class CommandBars;
class Document;
class Selection;

// Conversions of lengths to points (1/72 inch), in single precision, as the hosts compute them.
float MillimetersToPoints(float millimetres);
float CentimetersToPoints(float centimetres);

class Documents {
public:
    explicit Documents(std::shared_ptr<wordproc::Instance> instance) : m_instance(std::move(instance)) {}

    // A new untitled document made from the template (an OOXML package under any name). Throws Error
    // naming the file when it is missing, not a package or damaged.
    Document Add(const std::string& templatePath) const;
    // Opens the file read-only and unseen, for reading; it stays open until Close or Quit.
    Document Open(const std::string& path) const;
    int Count() const;
    Document Item(int index) const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
};

class Options {
public:
    explicit Options(std::shared_ptr<wordproc::Instance> instance) : m_instance(std::move(instance)) {}

    bool checkSpellingAsYouType() const;
    void setCheckSpellingAsYouType(bool check) const;
    bool checkGrammarAsYouType() const;
    void setCheckGrammarAsYouType(bool check) const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
};

class View {
public:
    explicit View(std::shared_ptr<wordproc::Instance> instance) : m_instance(std::move(instance)) {}

    bool tableGridlines() const;
    void setTableGridlines(bool show) const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
};

// The window that shows a document.
class Window {
public:
    Window(std::shared_ptr<wordproc::Instance> instance, std::shared_ptr<wordproc::Document> document)
        : m_instance(std::move(instance)), m_document(std::move(document)) {}

    automation::View View() const;
    automation::Document Document() const;
    automation::Selection Selection() const;
    // Brings the window to the front: its document becomes the active one, and the application raises
    // WindowActivate.
    void Activate() const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
    std::shared_ptr<wordproc::Document> m_document;
};

class Application {
public:
    explicit Application(std::shared_ptr<wordproc::Instance> instance) : m_instance(std::move(instance)) {}

    automation::Documents Documents() const;
    automation::Options Options() const;
    // The window of the active document. Throws Error when no document is open.
    Window ActiveWindow() const;
    Document ActiveDocument() const;
    // The selection of the active document's window. Throws Error when no document is open.
    automation::Selection Selection() const;
    automation::CommandBars CommandBars() const;

    // Connects a handler of the WindowActivate event, raised when a document's window is activated.
    using WindowActivateHandler = std::function<void(Document document, Window window)>;
    [[nodiscard]] Connection connectWindowActivate(WindowActivateHandler handler) const;

    bool visible() const;
    void setVisible(bool visible) const;
    // The caption of the word processor's main window.
    std::string caption() const;
    void setCaption(const std::string& caption) const;

    float MillimetersToPoints(float millimetres) const;
    float CentimetersToPoints(float centimetres) const;

    // Ends the word processor: documents opened read-only are closed; new documents stay with their
    // holders. Later calls on this application throw Error.
    void Quit() const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
};

} // namespace automation
