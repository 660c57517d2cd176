#include "composer/core/BlankTemplate.h"

#include "composer/core/ProcessPaths.h"

#include <stdexcept>

namespace composer {

const char* blankTemplateName(BlankPage page) {
    return page == BlankPage::Landscape ? "dqxhp.dqx" : "dqx0.dqx";
}

BlankDocumentJob blankDocumentJob(BlankPage page, const AuthorityProfile& profile) {
    BlankDocumentJob job;
    job.host = hostKindOf(profile.wwww);
    job.templatePath = templatePath(blankTemplateName(page));
    if (page == BlankPage::Landscape)
        job.firstParagraphFont = profile.btzt;
    job.topMargin = profile.top;
    job.bottomMargin = profile.foot;
    job.leftMargin = profile.left;
    job.rightMargin = profile.right;
    job.bodyFont = profile.zwzt;
    job.bodySize = profile.zwsize;
    return job;
}

void openBlankDocument(const BlankDocumentJob&) {
    // FIXME: run the steps AttachHost, Documents.Add, the Word-only options, the four margins, the body
    // style and ReleaseHost once the embedded word processor's host session is available.
    throw std::runtime_error("The embedded word processor is not available in this build");
}

} // namespace composer
