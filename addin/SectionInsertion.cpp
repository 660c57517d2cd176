#include "addin/SectionInsertion.h"

#include "platform/automation/Application.h"
#include "platform/automation/Error.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"

namespace addin {

namespace {

constexpr int SectionOfSelection = 2; // Selection.Information
constexpr int WithInTable = 12;
constexpr int MainTextStory = 1;
constexpr int CharacterUnit = 1;
constexpr int NextPageBreak = 2;
constexpr int Landscape = 1;
constexpr int RightAlignment = 2;

PageMeasures measuresOf(const automation::PageSetup& page) {
    return {page.orientation(), page.topMargin(), page.bottomMargin(),   page.leftMargin(),
            page.rightMargin(), page.gutter(),    page.headerDistance(), page.footerDistance(),
            page.pageWidth(),   page.pageHeight()};
}

// The page goes on as it was; its first page shows its number, as it did in the middle of its section.
void restoreMeasures(const automation::PageSetup& page, const PageMeasures& measures) {
    page.setOrientation(measures.orientation);
    page.setTopMargin(measures.top);
    page.setBottomMargin(measures.bottom);
    page.setLeftMargin(measures.left);
    page.setRightMargin(measures.right);
    page.setGutter(measures.gutter);
    page.setHeaderDistance(measures.header);
    page.setFooterDistance(measures.footer);
    page.setPageWidth(measures.width);
    page.setPageHeight(measures.height);
    page.setDifferentFirstPageHeaderFooter(false);
}

// Paragraphs and breaks typed into a table cell or a text box would stay there when the break fails.
void requireBodyText(const automation::Selection& selection) {
    if (selection.StoryType() != MainTextStory || selection.Information(WithInTable) != 0)
        throw automation::Error("光标不在正文文字中，不能在这里分节。");
}

} // namespace

InsertionState InsertSectionAtCursor(const automation::Selection& selection) {
    requireBodyText(selection);
    InsertionState state;
    state.startSection = selection.Information(SectionOfSelection);
    if (selection.MoveRight() == 1) {
        state.landscapeFollows = selection.PageSetup().orientation() == Landscape;
        state.sameSection = selection.Information(SectionOfSelection) == state.startSection;
        selection.MoveLeft();
    }
    if (state.sameSection && state.landscapeFollows)
        state.followingPage = measuresOf(selection.PageSetup());
    state.emptyParagraphs = state.landscapeFollows ? 4 : 3;
    for (int i = 0; i < state.emptyParagraphs; ++i)
        selection.TypeParagraph();
    selection.MoveLeft(CharacterUnit, state.emptyParagraphs);
    selection.InsertBreak(NextPageBreak);
    return state;
}

bool RestoreFollowingSection(const automation::Application& host, Paper paper, const InsertionState& state) {
    if (!state.sameSection)
        return false;
    // Counted in characters, the break goes exactly behind the empty paragraphs, whatever the lines.
    automation::Selection selection = host.Selection();
    selection.MoveRight(CharacterUnit, state.emptyParagraphs);
    selection.InsertBreak(NextPageBreak);
    if (state.followingPage) {
        restoreMeasures(selection.PageSetup(), *state.followingPage);
        return true;
    }
    ApplyPageSetupPreset(selection.PageSetup(), portraitPreset(paper), host);
    addRightPageNumbers(selection, true);
    return true;
}

void addRightPageNumbers(const automation::Selection& selection, bool firstPage) {
    // Word is given no alignment and WPS the text "2": both put the numbers on the right.
    selection.Sections().Item(1).Footers().Item(1).PageNumbers().Add(RightAlignment, firstPage);
}

} // namespace addin
