#pragma once
// The output procedure's hold on the word processor: attaching to it, the new document from a template,
// the page layout of the profile, and letting go again (steps AttachHost, OpenTemplate, ApplyPageLayout,
// ReleaseHost). Every failure of the word processor is an automation::Error; a profile value that is not
// a whole number is a text::ConvertError at the step that converts it.

#include "composer/core/AuthorityProfile.h"
#include "platform/automation/Application.h"
#include "platform/automation/Document.h"
#include "platform/automation/Error.h"

#include <optional>
#include <string>

namespace ui {
class Form;
}

namespace composer {

// The ProgID of the host: "word.Application" or "wps.Application".
const char* progIdOf(HostKind host);

// The run state of one output: both references are held for the run only and let go by ReleaseHost.
struct HostRun {
    std::optional<automation::Application> application;
    std::optional<automation::Document> document;
};

// AttachHost's failure: no word processor of the host runs and none could be started.
class HostNotStarted : public automation::Error {
public:
    using automation::Error::Error;
};

// AttachHost: the running word processor of the host, or a new one when none runs (a failing attach is
// silent; a failing start throws HostNotStarted), made visible. Documents let go of are saved in
// DataFolder/drafts.
automation::Application AttachHost(HostKind host);

// OpenTemplate: a new document made from the template file of that name in TemplateFolder.
automation::Document OpenTemplate(const automation::Application& application,
                                  const std::string& templateName);

// The steps of ApplyPageLayout; the forms that omit some say which.
struct PageLayoutSteps {
    // The word processor's window caption, set first (the older up-going form names it after the
    // product); null: left as it is.
    const char* applicationCaption = nullptr;
    bool spellingCheckOff = true;       // Word only: Options.CheckSpellingAsYouType := False
    bool spellingCheckOffInWps = false; // the same switch in WPS too
    bool grammarCheckOff = true;        // Word only: Options.CheckGrammarAsYouType := False
    bool tableGridlinesOff = true;      // ActiveWindow.View.TableGridlines := False (guarded in WPS)
    bool margins = true;                // top, foot, left, right of the profile, millimetres to points
    bool bodyStyle = true;              // "正文": Font.NameFarEast := zwzt, Font.Size := zwsize
    bool charsLine = true;              // PageSetup.CharsLine := 28
};

// ApplyPageLayout: the layout of the profile on the new document, in the order of the steps above.
void ApplyPageLayout(const automation::Application& application, const automation::Document& document,
                     const AuthorityProfile& profile, HostKind host, const PageLayoutSteps& steps = {});

// ReleaseHost: lets go of the document and the application (the word processor keeps the document for
// the user) and minimises the form.
void ReleaseHost(HostRun& run, ui::Form& form);

} // namespace composer
