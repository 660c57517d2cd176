#include "composer/forms/TForm2.h"

#include "composer/output/OutputProcedure.h"

namespace composer {

namespace {

// The rows shared by both hosts between the printing block and the masthead, for the subject label's
// offsets of the template in use.
SlotMap middleRows(LabelOffsets label, bool wps) {
    return {slot::subjectLine(17, label),
            slot::templateSizeCheck(),
            slot::noteLine(16),
            slot::dateLine(15, wps),
            slot::attachmentBlock(13),
            slot::bodyText(12),
            slot::recipientsLine(11),
            slot::titleLine(9),
            slot::documentNumber(7),
            slot::secrecyMarks(1, 2),
            slot::redLineAdjust(3, &AuthorityProfile::xxfx)};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx1.dqx";
    plan.wordRows = joined({slot::copiesLine(19), slot::issueLine(19), slot::copyToAbove(19)},
                           middleRows({{21, 25}, {23, 27}}, false));
    plan.wordRows.push_back(slot::masthead({ShapeRef::Last}, "文件"));
    plan.wordRows.push_back(slot::shapeNames({{"WJBT", {ShapeRef::Last}}, {"BTBX", {1}}, {"GWXH", {2}}},
                                             {{"DANG1", {6}}, {"DANG2", {7}}}));

    plan.wpsTemplate = "wps1a.dqx";
    plan.wpsRows = joined({slot::copiesLine(19), slot::issueLine(19), slot::zeroLengthLine()},
                          middleRows({{21, 25}, {23, 27}}, true));
    plan.wpsRows.push_back(slot::masthead({5}, "文件", slot::MastheadAnchoring::ToPage));
    plan.wpsRows.push_back(
        slot::shapeNames({{"WJBT", {5}}, {"BTBX", {1}}, {"GWXH", {2}}}, {{"DANG1", {6}}, {"DANG2", {7}}}));

    plan.wpsTemplateWithCopyTo = "wps1b.dqx";
    plan.wpsRowsWithCopyTo = joined(
        {slot::copiesLine(20), slot::issueLine(20, slot::IssueLineLead::BlanksInAdministrativeStyle, true),
         slot::copyToInto(19)},
        middleRows({{20, 24}, {22, 26}}, true));
    plan.wpsRowsWithCopyTo.push_back(slot::masthead({5}, "文件", slot::MastheadAnchoring::ToPage));
    plan.wpsRowsWithCopyTo.push_back(
        slot::shapeNames({{"WJBT", {5}}, {"BTBX", {2}}, {"GWXH", {3}}}, {{"DANG1", {7}}, {"DANG2", {8}}}));
    return plan;
}

} // namespace

TForm2::TForm2(ui::Form* owner) : FieldLayoutA("TForm2", owner) {
    setCaption("Brevaro      下行（平行）文");
}

const OutputPlan& TForm2::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

void TForm2::Button5Click() {
    OutputDocument(*this, fields(), outputPlan());
}

} // namespace composer
