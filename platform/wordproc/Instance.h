#pragma once
// A running word processor of the process, one for each ProgID: "word.Application" and
// "wps.Application" (any letter case). Attaching finds the running one; starting makes one when none
// runs. It runs until Quit.

#include "platform/wordproc/CommandBarSet.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/Signal.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

class Instance : public std::enable_shared_from_this<Instance> {
public:
    // The running instance for the ProgID, or null.
    static std::shared_ptr<Instance> running(std::string_view progId);
    // The running instance, or a new one. Throws Error for a ProgID that names no word processor.
    static std::shared_ptr<Instance> start(std::string_view progId);

    Flavour flavour() const { return m_flavour; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    // The caption of the main window; empty until a client names it.
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool checkSpellingAsYouType() const { return m_checkSpelling; }
    void setCheckSpellingAsYouType(bool check);
    bool checkGrammarAsYouType() const { return m_checkGrammar; }
    void setCheckGrammarAsYouType(bool check);
    // Whether the active window draws the grid lines of tables without borders. Throws Error without a
    // window, that is without an open document.
    bool tableGridlines() const;
    void setTableGridlines(bool show);

    // Documents.Add: a new untitled document from the template. Throws Error naming the file.
    std::shared_ptr<Document> addDocument(const std::string& templatePath);
    // Documents.Open: the file opened read-only; it stays open until Close or Quit.
    std::shared_ptr<Document> openDocument(const std::string& path);
    int documentCount();
    // The n-th open document (from 1). Throws Error when there is none.
    std::shared_ptr<Document> document(int n);
    // The document whose window was activated last (or, without an activation since, the one added or
    // opened last) that is still open. Throws Error when there is none.
    std::shared_ptr<Document> activeDocument();
    // Activates the document's window: it becomes the active document, and WindowActivate is raised.
    // Throws Error for a document that is not open in this instance.
    void activate(const std::shared_ptr<Document>& document);
    // Raised when a document's window is activated, with that document.
    Signal<std::shared_ptr<Document>>& windowActivated() { return m_windowActivated; }

    // The menu bar and toolbars. Throws Error once the instance has quit.
    CommandBarSet& commandBars();

    // Closes the documents opened read-only and ends the instance; a later attach starts a new one. New
    // documents stay with whoever holds them and are handed over when released.
    void quit();
    // Throws Error once the instance has quit, as calls into an ended host fail.
    void requireRunning() const;

private:
    explicit Instance(Flavour flavour) : m_flavour(flavour) {}
    std::vector<std::shared_ptr<Document>> liveDocuments();

    struct Entry {
        std::weak_ptr<Document> document;
        std::shared_ptr<Document> kept; // documents opened read-only stay until closed
    };

    Flavour m_flavour;
    bool m_running = true;
    bool m_visible = false;
    std::string m_caption;
    bool m_checkSpelling = true;
    bool m_checkGrammar = true;
    bool m_tableGridlines = true;
    std::vector<Entry> m_documents;
    CommandBarSet m_commandBars;
    Signal<std::shared_ptr<Document>> m_windowActivated;
};

} // namespace wordproc
