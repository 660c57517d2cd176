#include "composer/forms/TForm6.h"

#include "composer/output/JointRows.h"
#include "composer/output/SignerRows.h"

namespace composer {

namespace {

// The rows shared by both hosts from the subject line up, for the subject label's offsets of the
// template in use and the number of the party style's star, which differs between the templates.
SlotMap sharedRows(LabelOffsets subject, bool wps, int star) {
    return {slot::subjectLine(27, subject),
            slot::templateSizeCheck(),
            slot::noteLine(26),
            slot::dateLine(25, wps, slot::PartyDateLead::TwoAuthorities),
            slot::blankLine(24, 2),
            slot::attachmentBlock(24, AttachmentListLead::BlankLineAlways),
            slot::bodyText(23, slot::BodyEnd::IntoSlot),
            slot::recipientsLine(22),
            slot::titleLine(21, slot::TitlePlacement::IntoSlot),
            slot::signerLine(17, {17, 21}),
            slot::documentNumber(16, slot::NumberPlacement::AfterSlot),
            slot::secrecyMarks(6, 7),
            slot::jointMasthead(2),
            slot::shapeNames({{"BTBX3", {2}}, {"GWXH", {3}}}, {{"DANG1", {6}}, {"DANG2", {star}}})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx22.dqx";
    plan.wordRows = joined({slot::copiesLine(29), slot::issueLine(29), slot::copyToAbove(29)},
                           sharedRows({{33, 37}, {36, 40}}, false, 8));
    plan.steps.wordFailures = WordFailures::ShowAndRelease;

    // The same template in WPS counts the head table one character longer.
    plan.wpsTemplate = "dqx22.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(29), slot::issueLine(29)}, sharedRows({{34, 38}, {37, 41}}, true, 8));

    plan.wpsTemplateWithCopyTo = "dqx22b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(30), slot::issueLine(30), slot::copyToInto(29)},
                                    sharedRows({{33, 37}, {35, 39}}, true, 7));
    plan.steps.placeholders.signers = SignerPlaceholder::Numbered;
    return plan;
}

} // namespace

TForm6::TForm6(ui::Form* owner)
    : FieldLayoutB("TForm6", owner, {"Button7", "Button8", "Button9", "Button10", {"Button3", "Button5"}},
                   outputPlan()) {
    setCaption("Brevaro     上行文（2个公章）");
}

const OutputPlan& TForm6::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

} // namespace composer
