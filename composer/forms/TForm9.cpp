#include "composer/forms/TForm9.h"

#include "composer/output/JointRows.h"
#include "composer/output/OutputProcedure.h"

namespace composer {

namespace {

// The rows shared by both hosts from the subject line up, for the subject label's offsets of the
// template in use. The seal rows go in first, the attachments in front of them.
SlotMap sharedRows(LabelOffsets label, bool wps) {
    return {slot::blankLine(22),
            slot::subjectLine(23, label),
            slot::templateSizeCheck(),
            slot::noteLine(22),
            slot::dateLine(21, wps, slot::PartyDateLead::None),
            slot::sealPlaceholders(20),
            slot::attachmentBlock(20, AttachmentListLead::None),
            slot::bodyText(19),
            slot::recipientsLine(18),
            slot::titleLine(17, slot::TitlePlacement::IntoSlot),
            slot::documentNumber(14),
            slot::secrecyMarks(1, 2),
            slot::jointMasthead(3),
            slot::shapeNames({{"BTBX3", {2}}, {"GWXH", {3}}}, {{"DANG1", {6}}, {"DANG2", {7}}})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx13.dqx";
    plan.wordRows = joined({slot::copiesLine(24), slot::issueLine(24), slot::copyToAbove(24)},
                           sharedRows({{25, 29}, {27, 31}}, false));
    plan.steps.wordFailures = WordFailures::ShowAndRelease;

    // The same template in WPS counts the masthead table one character longer.
    plan.wpsTemplate = "dqx13.dqx";
    plan.wpsRows =
        joined({slot::copiesLine(24), slot::issueLine(24)}, sharedRows({{26, 30}, {28, 32}}, true));

    plan.wpsTemplateWithCopyTo = "dqx13b.dqx";
    plan.wpsRowsWithCopyTo = joined({slot::copiesLine(25), slot::issueLine(25), slot::copyToInto(24)},
                                    sharedRows({{25, 29}, {27, 31}}, true));
    return plan;
}

} // namespace

TForm9::TForm9(ui::Form* owner) : FieldLayoutA("TForm9", owner, "Edit6") {
    setCaption("Brevaro   下行、平行文（2个以上公章）");
}

const OutputPlan& TForm9::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm9::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

} // namespace composer
