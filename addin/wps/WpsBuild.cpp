// The WPS build, Dqxhand_ks: bound to WPS's object model and its own command bars.
#include "addin/HostBuild.h"

#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"

namespace addin {

const HostBuild& hostBuild() {
    static const HostBuild build{
        .typeLibraryName = "KSAddins",
        .typeLibraryId = addinhost::guid("{31B75903-50CC-4446-88C6-D49AD792C747}"),
        .classId = addinhost::guid("{29C4C16C-07A9-41E9-ACFB-E1FA3E4AA2F9}"),
        .progId = "KSAddins.Dqxhand",
        .interfaceId = addinhost::guid("{804BD331-334C-45F9-B326-CA06FA38D2F7}"),
        .hostProgId = "wps.Application",
        .menuPopupId = 10561,
        .menuBarsThrough = MenuBarsThrough::GlobalApplication,
        .keepsMenuPopup = false,
        .presetSwitchesOffLineNumbering = false,
        .hidesFirstPageNumberFirst = true,
        .turnsBoxTextFirst = true,
        // WPS takes the Chinese font of the box and of the title through the same property.
        .titleChineseFont = ChineseFontProperty::NameFarEast,
    };
    return build;
}

void addFooterPageNumbers(const automation::Selection& selection, int alignment, bool) {
    // WPS is given the first-page flag as the text "1", which it takes for true.
    constexpr bool FirstPage = true;
    selection.Sections().Item(1).Footers().Item(1).PageNumbers().Add(alignment, FirstPage);
}

} // namespace addin
