#include "composer/output/HostSession.h"

#include "composer/core/ProcessPaths.h"
#include "platform/automation/Automation.h"
#include "platform/text/Convert.h"
#include "platform/ui/Form.h"
#include "platform/wordproc/HandOff.h"

namespace composer {

namespace {

// The characters a line of the document grid that every form with a body sets.
constexpr int BodyCharactersPerLine = 28;

float millimetresToPoints(const std::string& millimetres) {
    return automation::MillimetersToPoints(static_cast<float>(text::toInteger(millimetres)));
}

void setMargins(const automation::Document& document, const AuthorityProfile& profile) {
    automation::PageSetup page = document.PageSetup();
    page.setTopMargin(millimetresToPoints(profile.top));
    page.setBottomMargin(millimetresToPoints(profile.foot));
    page.setLeftMargin(millimetresToPoints(profile.left));
    page.setRightMargin(millimetresToPoints(profile.right));
}

void hideTableGridlines(const automation::Application& application, HostKind host) {
    if (host == HostKind::Word) {
        application.ActiveWindow().View().setTableGridlines(false);
        return;
    }
    // WPS may refuse the call; its output goes on without it.
    try {
        application.ActiveWindow().View().setTableGridlines(false);
    } catch (const automation::Error&) {
    }
}

} // namespace

const char* progIdOf(HostKind host) {
    return host == HostKind::Wps ? "wps.Application" : "word.Application";
}

automation::Application AttachHost(HostKind host) {
    if (!paths().DataFolder.empty())
        wordproc::setDraftsFolder(paths().DataFolder + "/drafts");
    std::optional<automation::Application> application;
    try {
        application = automation::GetActiveObject(progIdOf(host));
    } catch (const automation::Error&) {
        try {
            application = automation::CreateObject(progIdOf(host));
        } catch (const automation::Error& failure) {
            throw HostNotStarted(failure.what());
        }
    }
    application->setVisible(true);
    return *application;
}

automation::Document OpenTemplate(const automation::Application& application,
                                  const std::string& templateName) {
    return application.Documents().Add(templatePath(templateName));
}

void ApplyPageLayout(const automation::Application& application, const automation::Document& document,
                     const AuthorityProfile& profile, HostKind host, const PageLayoutSteps& steps) {
    if (steps.applicationCaption)
        application.setCaption(steps.applicationCaption);
    if (steps.spellingCheckOff && (host == HostKind::Word || steps.spellingCheckOffInWps))
        application.Options().setCheckSpellingAsYouType(false);
    if (host == HostKind::Word && steps.grammarCheckOff)
        application.Options().setCheckGrammarAsYouType(false);
    if (steps.tableGridlinesOff)
        hideTableGridlines(application, host);
    if (steps.margins)
        setMargins(document, profile);
    if (steps.bodyStyle) {
        automation::Font body = document.Styles().Item("正文").Font();
        body.setNameFarEast(profile.zwzt);
        body.setSize(static_cast<float>(text::toInteger(profile.zwsize)));
    }
    if (steps.charsLine)
        document.PageSetup().setCharsLine(BodyCharactersPerLine);
}

void ReleaseHost(HostRun& run, ui::Form& form) {
    run.document.reset();
    run.application.reset();
    form.setWindowState(ui::WindowState::Minimised);
}

} // namespace composer
