// The section tools: a portrait page, a landscape page and the correction of landscape page numbers.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "addin/PageNumberBox.h"
#include "addin/SectionInsertion.h"
#include "addin/Traps.h"
#include "platform/automation/Document.h"
#include "platform/automation/Font.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"
#include "platform/automation/Shapes.h"

namespace addin {

namespace {

constexpr const char* LandscapeInsertionFailed =
    "操作错误！请将鼠标光标移动到需插入横排页的正文文字处，点击菜单“插入横排页面”插入。";
constexpr int Landscape = 1;
constexpr int FromPage = 1; // RelativeHorizontalPosition, RelativeVerticalPosition
constexpr int ExactLineSpacing = 4;
constexpr float TitleLineSpacing = 35;
constexpr int Centred = 1;
constexpr float TitleSize = 22;
constexpr const char* TitleChineseFont = "标准公文_小标宋";
constexpr const char* LatinFont = "Times New Roman";
constexpr const char* TitlePlaceholder = "请在此处输入表格标题";
constexpr int CharacterUnit = 1;

// The line at the cursor that will carry the table's title, with a placeholder to type over.
void typeTableTitleLine(const automation::Selection& selection) {
    automation::ParagraphFormat paragraph = selection.ParagraphFormat();
    paragraph.setLineSpacingRule(ExactLineSpacing);
    paragraph.setLineSpacing(TitleLineSpacing);
    paragraph.setAlignment(Centred);
    automation::Font font = selection.Font();
    font.setNameAscii(LatinFont);
    font.setNameOther(LatinFont);
    if (hostBuild().titleChineseFont == ChineseFontProperty::Name)
        font.setName(TitleChineseFont);
    else
        font.setNameFarEast(TitleChineseFont);
    font.setSize(TitleSize);
    selection.TypeText(TitlePlaceholder);
}

void insertLandscapePage() {
    automation::Application host = hostGlobal();
    automation::Selection selection = host.Selection();
    const InsertionState state = InsertSectionAtCursor(selection);
    if (hostBuild().hidesFirstPageNumberFirst)
        selection.Sections().Item(1).Footers().Item(1).PageNumbers().setShowFirstPageNumber(false);
    const Paper paper = ClassifyPaper(selection.PageSetup(), host);
    ApplyPageSetupPreset(selection.PageSetup(), landscapePreset(paper), host);
    addPageNumberBox(host, paper);
    // The first page carries the box; the footers number the pages after it.
    addRightPageNumbers(selection, false);
    // Back over the second break and the empty paragraphs to the new section's first paragraph, so that
    // the title never goes into the text that followed the cursor.
    if (RestoreFollowingSection(host, paper, state))
        selection.MoveLeft(CharacterUnit, state.emptyParagraphs + 1);
    typeTableTitleLine(selection);
}

// One landscape section: its box renumbered and put back in place, its margins set again for its page's
// side. A section without a page-number box is left as it is.
void correctLandscapeSection(const automation::Application& host, int index) {
    automation::Section section = host.ActiveDocument().Sections().Item(index);
    if (section.PageSetup().orientation() != Landscape)
        return;
    std::optional<automation::Shape> box = findPageNumberBox(section);
    if (!box)
        return;
    automation::Selection selection = host.Selection();
    box->Select();
    renumberPageNumberBox(selection, *box);
    box->setRelativeHorizontalPosition(FromPage);
    box->setRelativeVerticalPosition(FromPage);
    automation::PageSetup page = section.PageSetup();
    const Paper paper = ClassifyPaper(page, host);
    const Preset& preset = landscapePreset(paper);
    page.setOrientation(Landscape);
    page.setLeftMargin(host.CentimetersToPoints(preset.left));
    page.setRightMargin(host.CentimetersToPoints(preset.right));
    // The side of the box's page: the selection stands at the box's anchor.
    const PageSide side = landscapePageSide(host);
    const TopAndBottom margins = landscapeTopAndBottom(preset, side);
    page.setTopMargin(host.CentimetersToPoints(margins.top));
    page.setBottomMargin(host.CentimetersToPoints(margins.bottom));
    placePageNumberBox(*box, paper, side, host);
}

} // namespace

void Dqxhand::gIhbl_Click(const automation::CommandBarControl&, bool&) noexcept {
    endSilently([] {
        automation::Application host = hostGlobal();
        automation::Selection selection = host.Selection();
        const InsertionState state = InsertSectionAtCursor(selection);
        const Paper paper = ClassifyPaper(selection.PageSetup(), host);
        ApplyPageSetupPreset(selection.PageSetup(), portraitPreset(paper), host);
        RestoreFollowingSection(host, paper, state);
    });
}

void Dqxhand::gIbl_Click(const automation::CommandBarControl&, bool&) noexcept {
    endWithMessage(LandscapeInsertionFailed, insertLandscapePage);
}

void Dqxhand::gAbl_Click(const automation::CommandBarControl&, bool&) noexcept {
    endSilently([] {
        automation::Application host = hostGlobal();
        const int sections = host.ActiveDocument().Sections().Count();
        // A step that fails ends the work on its section only; the next section is still corrected.
        for (int index = 1; index <= sections; ++index)
            endSilently([&host, index] { correctLandscapeSection(host, index); });
    });
}

} // namespace addin
