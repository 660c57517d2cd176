// The Word build, Dqxhand_ms: bound to Word's object model.
#include "addin/HostBuild.h"

#include "platform/automation/PageSetup.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"

namespace addin {

const HostBuild& hostBuild() {
    static const HostBuild build{
        .typeLibraryName = "MSAddins",
        .typeLibraryId = addinhost::guid("{E6617660-B937-4032-83B3-F46F886946C6}"),
        .classId = addinhost::guid("{97BF2852-A07B-422D-86C2-14CA5F2B512A}"),
        .progId = "MSAddins.Dqxhand",
        .interfaceId = addinhost::guid("{AB7A67A5-6F30-4D1E-B6E4-7D0934272444}"),
        .hostProgId = "word.Application",
        .menuPopupId = 1,
        .menuBarsThrough = MenuBarsThrough::ConnectedApplication,
        .keepsMenuPopup = true,
        .presetSwitchesOffLineNumbering = true,
        .hidesFirstPageNumberFirst = false,
        .turnsBoxTextFirst = false,
        .titleChineseFont = ChineseFontProperty::Name,
    };
    return build;
}

void addFooterPageNumbers(const automation::Selection& selection, int alignment, bool mirrorMargins) {
    selection.PageSetup().setMirrorMargins(mirrorMargins);
    // Word is not given the first-page flag: its default shows the number on the first page.
    selection.Sections().Item(1).Footers().Item(1).PageNumbers().Add(alignment);
}

} // namespace addin
