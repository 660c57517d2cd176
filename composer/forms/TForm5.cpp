#include "composer/forms/TForm5.h"

#include "composer/output/SignerRows.h"

namespace composer {

namespace {

// The rows shared by both hosts from the subject line up, for the subject and signer labels' offsets of
// the template in use.
SlotMap sharedRows(LabelOffsets subject, std::pair<int, int> signer, bool wps) {
    return {slot::subjectLine(22, subject),
            slot::templateSizeCheck(),
            slot::noteLine(22),
            slot::dateLine(21, wps),
            slot::blankLine(20, 2),
            slot::attachmentBlock(20, AttachmentListLead::BlankLineAlways),
            slot::bodyText(19, slot::BodyEnd::IntoSlot),
            slot::recipientsLine(18),
            slot::titleLine(16),
            slot::signerLine(13, signer),
            slot::documentNumber(12, slot::NumberPlacement::AfterSlot),
            slot::secrecyMarks(6, 7),
            slot::redLineAdjust(8, &AuthorityProfile::sxfx)};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx2.dqx";
    plan.wordRows = joined({slot::copiesLine(24), slot::issueLine(24), slot::copyToAbove(24)},
                           sharedRows({{29, 33}, {31, 35}}, {13, 17}, false));
    plan.wordRows.push_back(slot::masthead({ShapeRef::Last}, "文件"));
    plan.wordRows.push_back(slot::shapeNames({{"WJBT", {ShapeRef::Last}}, {"BTBX", {2}}, {"GWXH", {3}}},
                                             {{"DANG1", {6}}, {"DANG2", {7}}}));

    plan.wpsTemplate = "wps2a.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(24), slot::issueLine(24)}, sharedRows({{30, 34}, {32, 36}}, {15, 19}, true));
    plan.wpsRows.push_back(slot::masthead({5}, "文件", slot::MastheadAnchoring::ToPage));
    plan.wpsRows.push_back(
        slot::shapeNames({{"WJBT", {5}}, {"BTBX", {2}}, {"GWXH", {3}}}, {{"DANG1", {6}}, {"DANG2", {7}}}));

    plan.wpsTemplateWithCopyTo = "wps2b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(25), slot::issueLine(25), slot::copyToInto(24)},
                                    sharedRows({{30, 34}, {32, 36}}, {14, 18}, true));
    plan.wpsRowsWithCopyTo.push_back(slot::masthead({5}, "文件", slot::MastheadAnchoring::ToPage));
    plan.wpsRowsWithCopyTo.push_back(
        slot::shapeNames({{"WJBT", {5}}, {"BTBX", {2}}, {"GWXH", {3}}}, {{"DANG1", {7}}, {"DANG2", {8}}}));

    plan.steps.profileDefaults = ProfileDefaults::smallMasthead();
    plan.steps.placeholders.signers = SignerPlaceholder::Single;
    return plan;
}

} // namespace

TForm5::TForm5(ui::Form* owner)
    : FieldLayoutB("TForm5", owner, {"Button5", "Button7", "Button8", "Button9", {"Button3"}}, outputPlan()) {
    setCaption("Brevaro   上行文");
}

const OutputPlan& TForm5::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

} // namespace composer
