// The steps of the section tools that the Word build takes its own way.
#include "addin/HostBuild.h"
#include "addin/PageSetupPresets.h"

#include "platform/automation/Application.h"
#include "platform/automation/Document.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Range.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"
#include "platform/automation/Shapes.h"

#include <string>

namespace addin {

PageSide landscapePageSide(const automation::Application& host) {
    // Pages alternate only in a document with mirror margins; its first section says so.
    if (!host.ActiveDocument().Sections().Item(1).PageSetup().mirrorMargins())
        return PageSide::NotAlternating;
    return pageParity(host.Selection());
}

void resetPresetFlags(const automation::PageSetup& page) {
    page.setVerticalAlignment(0);
    page.setSuppressEndnotes(false);
    page.setTwoPagesOnOne(false);
    page.setBookFoldPrinting(false);
    page.setBookFoldRevPrinting(false);
}

void renumberPageNumberBox(const automation::Selection& selection, const automation::Shape& box) {
    constexpr int AdjustedPageNumber = 1;
    // The closing dash first; then the insertion point at the start of the box's text, where the
    // number of the box's page goes in front of it.
    automation::Range text = box.TextFrame().TextRange();
    text.setText("—");
    text.Select();
    selection.MoveLeft();
    selection.TypeText("— " + std::to_string(selection.Information(AdjustedPageNumber)) + " ");
}

} // namespace addin
