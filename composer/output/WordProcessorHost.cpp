#include "composer/output/AutomationEditor.h"
#include "composer/output/HostSession.h"
#include "composer/output/OutputHost.h"

#include <optional>

namespace composer {

namespace {

// The embedded word processor as the output procedure's host: the host steps around the editor.
class WordProcessorHost : public OutputHost {
public:
    DocumentEditor& open(HostKind host, const std::string& templateFile, const AuthorityProfile& profile,
                         const PageLayoutSteps& layout) override {
        m_application = AttachHost(host);
        // A new document from the template (not a new template), and the one that the run fills: the
        // host may hold other documents of the user's, before it and after it.
        automation::Document document = m_application->Documents().Add(templateFile);
        m_editor.emplace(document);
        ApplyPageLayout(*m_application, document, profile, host, layout);
        return *m_editor;
    }

    // The references are let go here; the form minimises itself after.
    void release() override {
        m_editor.reset();
        m_application.reset();
    }

private:
    std::optional<automation::Application> m_application;
    std::optional<AutomationEditor> m_editor;
};

} // namespace

std::unique_ptr<OutputHost> makeWordProcessorHost() {
    return std::make_unique<WordProcessorHost>();
}

} // namespace composer
