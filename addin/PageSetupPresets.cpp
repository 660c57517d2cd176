#include "addin/PageSetupPresets.h"

#include "platform/automation/Application.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Selection.h"

namespace addin {

namespace {

constexpr float ShortestA4SideCm = 19;
constexpr int PageCountedFromFirst = 3; // Selection.Information
constexpr int NewPage = 2;              // PageSetup.SectionStart
constexpr int PrinterDefaultTray = 0;
constexpr int GutterLeft = 0;
constexpr int LineGrid = 1;

void applyMargins(const automation::PageSetup& page, const Preset& preset, TopAndBottom topAndBottom,
                  const automation::Application& host) {
    page.setTopMargin(host.CentimetersToPoints(topAndBottom.top));
    page.setBottomMargin(host.CentimetersToPoints(topAndBottom.bottom));
    page.setLeftMargin(host.CentimetersToPoints(preset.left));
    page.setRightMargin(host.CentimetersToPoints(preset.right));
    page.setGutter(host.CentimetersToPoints(preset.gutter));
    page.setHeaderDistance(host.CentimetersToPoints(preset.header));
    page.setFooterDistance(host.CentimetersToPoints(preset.footer));
    page.setPageWidth(host.CentimetersToPoints(preset.width));
    page.setPageHeight(host.CentimetersToPoints(preset.height));
}

} // namespace

const Preset& portraitPreset(Paper paper) {
    return paper == Paper::A4 ? PresetA4Portrait : Preset16KPortrait;
}

const Preset& landscapePreset(Paper paper) {
    return paper == Paper::A4 ? PresetA4Landscape : Preset16KLandscape;
}

Paper ClassifyPaper(const automation::PageSetup& page, const automation::Application& host) {
    const float limit = host.CentimetersToPoints(ShortestA4SideCm);
    return page.pageWidth() < limit || page.pageHeight() < limit ? Paper::Size16K : Paper::A4;
}

TopAndBottom landscapeTopAndBottom(const Preset& preset, PageSide side) {
    if (side == PageSide::Even)
        return {preset.bottom, preset.top};
    return {preset.top, preset.bottom};
}

PageSide pageParity(const automation::Selection& selection) {
    return selection.Information(PageCountedFromFirst) % 2 == 0 ? PageSide::Even : PageSide::Odd;
}

void ApplyPageSetupPreset(const automation::PageSetup& page, const Preset& preset,
                          const automation::Application& host) {
    if (hostBuild().presetSwitchesOffLineNumbering)
        page.LineNumbering().setActive(false);
    page.setOrientation(preset.orientation);
    const bool landscape = preset.orientation == 1;
    TopAndBottom topAndBottom{preset.top, preset.bottom};
    if (landscape)
        topAndBottom = landscapeTopAndBottom(preset, landscapePageSide(host));
    applyMargins(page, preset, topAndBottom, host);
    page.setFirstPageTray(PrinterDefaultTray);
    page.setOtherPagesTray(PrinterDefaultTray);
    page.setSectionStart(NewPage);
    page.setDifferentFirstPageHeaderFooter(false);
    resetPresetFlags(page);
    page.setBookFoldPrintingSheets(1);
    page.setGutterPos(GutterLeft);
    page.setLayoutMode(LineGrid);
}

} // namespace addin
