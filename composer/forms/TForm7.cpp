#include "composer/forms/TForm7.h"

#include "composer/output/LetterRows.h"
#include "composer/output/MarksRows.h"

namespace composer {

namespace {

// The template's subject label "主题词：" stands at the start of the printing block's cell, at the same
// characters in both styles and both word processors (no table stands in front of it).
constexpr LabelOffsets SubjectLabel = {{18, 22}, {18, 22}};

// The masthead: the authority's name alone at 44 points, whatever the profile's size. WPS distributes it
// over the box as the template does; neither host touches the box's outline.
slot::MastheadFormat mastheadFormat(bool wps) {
    slot::MastheadFormat format;
    format.size = slot::MastheadMeasure::fixed(44);
    if (!wps)
        format.alignment = slot::MastheadAlignment::AsTemplate;
    format.outline = slot::MastheadOutline::AsTemplate;
    return format;
}

// One host's rows; WPS sets the date in the body font first (administrative style) and the marks in the
// body size.
SlotMap hostRows(bool wps) {
    return {
        slot::subjectLine(15, SubjectLabel, slot::SubjectPlacement::BehindLabel),
        slot::copiesLine(15, slot::CopiesFont::Body),
        slot::copyToBehindSubject(15),
        slot::templateSizeCheck(),
        slot::noteLine(13),
        slot::dateLine(12, wps),
        slot::attachmentBlock(10, AttachmentListLead::None),
        slot::bodyText(9),
        slot::recipientsLine(8),
        slot::titleLine(7, slot::TitlePlacement::IntoSlot),
        slot::documentNumber(4, slot::NumberPlacement::AfterSlot),
        slot::marksAsOneText(3, slot::Insert::After, wps ? slot::MarksSize::Body : slot::MarksSize::AsSlot),
        slot::masthead({1}, "", mastheadFormat(wps)),
        slot::shapeNames({{"WJBT", {1}}, {"GWXH", {2}}, {"BTBX2", {3}}, {"BTBX", {4}}}, {})};
}

OutputPlan makePlan() {
    OutputPlan plan;
    plan.wordTemplate = "dqx3.dqx";
    plan.wordRows = hostRows(false);
    plan.wpsTemplate = "dqx3.dqx";
    plan.wpsRows = hostRows(true);
    plan.steps.wordFailures = WordFailures::ShowAndRelease;
    return plan;
}

} // namespace

TForm7::TForm7(ui::Form* owner)
    : FieldLayoutB("TForm7", owner, {"Button3", "Button7", "Button8", "Button9", {}}, outputPlan()) {
    setCaption("Brevaro   信函式");
}

const OutputPlan& TForm7::outputPlan() {
    static const OutputPlan plan = makePlan();
    return plan;
}

} // namespace composer
