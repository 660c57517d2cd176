#include "composer/core/AutomationEditor.h"
#include "composer/core/OutputHost.h"
#include "composer/core/ProcessPaths.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Styles.h"
#include "platform/text/Convert.h"

#include <optional>

namespace composer {

namespace {

// FIXME: the host steps move to the shared host session once it is here.
automation::Application attachHost(HostKind host) {
    const char* progId = host == HostKind::Wps ? "wps.Application" : "word.Application";
    std::optional<automation::Application> app;
    try {
        app = automation::GetActiveObject(progId);
    } catch (const automation::Error&) {
        app = automation::CreateObject(progId);
    }
    app->setVisible(true);
    return *app;
}

void applyPageLayout(const automation::Application& app, const automation::Document& doc,
                     const AuthorityProfile& profile, HostKind host) {
    if (host == HostKind::Word) {
        app.Options().setCheckSpellingAsYouType(false);
        app.Options().setCheckGrammarAsYouType(false);
        app.ActiveWindow().View().setTableGridlines(false);
    } else {
        try {
            app.ActiveWindow().View().setTableGridlines(false);
        } catch (const automation::Error&) {
        }
    }
    auto points = [](const std::string& mm) {
        return automation::MillimetersToPoints(static_cast<float>(text::toInteger(mm)));
    };
    automation::PageSetup page = doc.PageSetup();
    page.setTopMargin(points(profile.top));
    page.setBottomMargin(points(profile.foot));
    page.setLeftMargin(points(profile.left));
    page.setRightMargin(points(profile.right));
    automation::Font body = doc.Styles().Item("正文").Font();
    body.setNameFarEast(profile.zwzt);
    body.setSize(static_cast<float>(text::toInteger(profile.zwsize)));
    page.setCharsLine(28);
}

class WordProcessorHost : public OutputHost {
public:
    DocumentEditor& open(HostKind host, const std::string& templateName,
                         const AuthorityProfile& profile) override {
        m_app = attachHost(host);
        m_editor.emplace(m_app->Documents().Add(templatePath(templateName)));
        applyPageLayout(*m_app, m_editor->document(), profile, host);
        return *m_editor;
    }
    void release() override {
        m_editor.reset();
        m_app.reset();
    }

private:
    std::optional<automation::Application> m_app;
    std::optional<AutomationEditor> m_editor;
};

} // namespace

std::unique_ptr<OutputHost> makeWordProcessorHost() {
    return std::make_unique<WordProcessorHost>();
}

} // namespace composer
