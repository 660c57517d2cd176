#include "composer/forms/TForm8.h"

#include "composer/output/JointRows.h"
#include "composer/output/SignerRows.h"

namespace composer {

namespace {

// The rows shared by both hosts from the subject line up, for the subject label's offsets of the
// template in use. This form checks the template set before it writes the subject line; the seal rows go
// in first, the attachments in front of them.
SlotMap sharedRows(LabelOffsets subject, bool wps) {
    return {slot::templateSizeCheck(),
            slot::subjectLine(30, subject),
            slot::noteLine(29),
            slot::dateLine(28, wps, slot::PartyDateLead::None),
            slot::sealPlaceholders(27),
            slot::attachmentBlock(26, AttachmentListLead::BlankLineAlways),
            slot::bodyText(25, slot::BodyEnd::IntoSlot),
            slot::recipientsLine(24),
            slot::titleLine(23, slot::TitlePlacement::IntoSlot),
            slot::signerLine(20, {22, 26}),
            slot::documentNumber(18, slot::NumberPlacement::AfterSlot),
            slot::secrecyMarks(6, 7),
            slot::jointMasthead(3),
            slot::shapeNames({{"BTBX3", {2}}, {"GWXH", {3}}}, {{"DANG1", {7}}, {"DANG2", {8}}})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx23.dqx";
    plan.wordRows = joined({slot::copiesLine(32), slot::issueLine(32), slot::copyToAbove(32)},
                           sharedRows({{38, 42}, {40, 44}}, false));
    plan.steps.wordFailures = WordFailures::ShowAndRelease;

    // The same template in WPS counts the head table one character longer.
    plan.wpsTemplate = "dqx23.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(32), slot::issueLine(32)}, sharedRows({{39, 43}, {41, 45}}, true));

    plan.wpsTemplateWithCopyTo = "dqx23b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(33), slot::issueLine(33), slot::copyToInto(32)},
                                    sharedRows({{38, 42}, {40, 44}}, true));
    plan.steps.placeholders.signers = SignerPlaceholder::Numbered;
    return plan;
}

} // namespace

TForm8::TForm8(ui::Form* owner)
    : FieldLayoutB("TForm8", owner,
                   {"Button8", "Button9", "Button10", "Button11", {"Button3", "Button5", "Button7"}},
                   outputPlan()) {
    setCaption("Brevaro    上行文（2个以上公章）");
}

const OutputPlan& TForm8::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

} // namespace composer
