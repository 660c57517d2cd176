#include "composer/output/BlankTemplate.h"

#include "composer/output/HostSession.h"
#include "platform/automation/Automation.h"

namespace composer {

const char* blankTemplateName(BlankPage page) {
    return page == BlankPage::Landscape ? "dqxhp.dqx" : "dqx0.dqx";
}

void openBlankDocument(BlankPage page, const AuthorityProfile& profile, ui::Form& form) {
    const HostKind host = hostKindOf(profile.wwww);
    HostRun run;
    run.application = AttachHost(host);
    run.document = OpenTemplate(*run.application, blankTemplateName(page));
    if (page == BlankPage::Landscape)
        run.document->Paragraphs().Item(1).Range().Font().setName(profile.btzt);
    // A blank document gets no grid of characters a line, and WPS none of Word's view options.
    PageLayoutSteps steps;
    steps.tableGridlinesOff = host == HostKind::Word;
    steps.charsLine = false;
    ApplyPageLayout(*run.application, *run.document, profile, host, steps);
    ReleaseHost(run, form);
}

} // namespace composer
