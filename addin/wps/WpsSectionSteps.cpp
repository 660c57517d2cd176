// The steps of the section tools that the WPS build takes its own way.
#include "addin/HostBuild.h"
#include "addin/PageNumberBox.h"
#include "addin/PageSetupPresets.h"

#include "platform/automation/Application.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Range.h"
#include "platform/automation/Selection.h"
#include "platform/automation/Shapes.h"

namespace addin {

PageSide landscapePageSide(const automation::Application& host) {
    return pageParity(host.Selection());
}

void resetPresetFlags(const automation::PageSetup& page) {
    page.setTwoPagesOnOne(false);
    page.setBookFoldPrinting(false);
}

void renumberPageNumberBox(const automation::Selection& selection, const automation::Shape& box) {
    constexpr int AdjustedPageNumber = 1;
    // With the box selected, the selection stands on its page.
    box.TextFrame().TextRange().setText(pageNumberText(selection.Information(AdjustedPageNumber)));
}

} // namespace addin
