#pragma once
// The word-processor side of one output run: attach to or start the host, open the template with the
// profile's page layout, give the editor of the new document, and let go of the host.

#include "composer/core/AuthorityProfile.h"
#include "composer/output/DocumentEditor.h"
#include "composer/output/HostSession.h"

#include <memory>
#include <string>

namespace composer {

class OutputHost {
public:
    virtual ~OutputHost() = default;
    // AttachHost, OpenTemplate (from the template file's full path) and ApplyPageLayout with the form's
    // steps of it; the editor, of the document made from the template, lives until release() or the end
    // of the host object.
    virtual DocumentEditor& open(HostKind host, const std::string& templateFile,
                                 const AuthorityProfile& profile, const PageLayoutSteps& layout) = 0;
    // ReleaseHost: the document stays open in the host.
    virtual void release() = 0;
};

// The host of the embedded word processor.
std::unique_ptr<OutputHost> makeWordProcessorHost();

} // namespace composer
