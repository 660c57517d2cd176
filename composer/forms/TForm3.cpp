#include "composer/forms/TForm3.h"

#include "composer/output/JointRows.h"
#include "composer/output/OutputProcedure.h"

namespace composer {

namespace {

// The rows shared by both hosts from the subject line up, for the subject label's offsets of the host.
SlotMap sharedRows(LabelOffsets label, bool wps) {
    return {slot::subjectLine(20, label),
            slot::templateSizeCheck(),
            slot::noteLine(19),
            slot::dateLine(18, wps, slot::PartyDateLead::TwoAuthorities),
            slot::blankLine(17),
            slot::attachmentBlock(17, AttachmentListLead::None),
            slot::bodyText(16),
            slot::recipientsLine(15, slot::RecipientsLead::None),
            slot::titleLine(13, slot::TitlePlacement::IntoSlot),
            slot::documentNumber(11),
            slot::secrecyMarks(1, 2),
            slot::jointMasthead(2),
            slot::shapeNames({{"BTBX3", {2}}, {"GWXH", {3}}}, {{"DANG1", {6}}, {"DANG2", {7}}})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx12.dqx";
    plan.wordRows = joined({slot::copiesLine(22), slot::issueLine(22), slot::copyToAbove(22)},
                           sharedRows({{22, 26}, {24, 28}}, false));
    plan.steps.wordFailures = WordFailures::ShowAndRelease;

    // The same template in WPS counts the masthead table one character longer.
    plan.wpsTemplate = "dqx12.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(22), slot::issueLine(22)}, sharedRows({{23, 27}, {25, 29}}, true));

    plan.wpsTemplateWithCopyTo = "dqx12b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(23), slot::issueLine(23), slot::copyToInto(22)},
                                    sharedRows({{23, 27}, {25, 29}}, true));
    return plan;
}

} // namespace

TForm3::TForm3(ui::Form* owner) : FieldLayoutA("TForm3", owner) {
    setCaption("Brevaro     下行、平行文（2个公章）");
}

const OutputPlan& TForm3::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm3::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

} // namespace composer
