#include "composer/forms/TForm11.h"

#include "composer/core/FormLayout.h"
#include "composer/output/BodyImport.h"
#include "composer/output/NumberPartRows.h"
#include "composer/windows/RecipientPicker.h"

#include <array>

namespace composer {

namespace {

// Captions and places in the 538 x 336 client area below the shared top of the left column; the body
// stands on the right.
constexpr std::array<Placement, 12> Layout = {{
    {"Panel1", {}, {}, 0, 0, 538, 336},
    {"GroupBox20", {}, "发送单位：", 6, 242, 300, 88},
    {"Memo1", {}, {}, 8, 16, 254, 64},
    {"Button7", {}, "...", 266, 16, 26, 24},
    {"GroupBox19", {}, "正文", 312, 2, 220, 292},
    {"Memo2", {}, {}, 8, 16, 204, 238},
    {"Edit15", {}, {}, 8, 260, 128, 24},
    {"Button8", {}, "导入文件", 140, 260, 72, 24},
    {"Button1", {}, {}, 312, 302, 58, 28},
    {"Button3", {}, {}, 372, 302, 58, 28},
    {"Button5", {}, {}, 434, 302, 98, 28},
    // Hidden.
    {"Edit12", {}, {}, 312, 302, 60, 24},
}};

SlotMap paragraphRows(LabelOffsets subjectLabel) {
    return {slot::copiesLine(19),
            slot::issueLine(19),
            slot::unitsLine(18, "发送："),
            slot::subjectLine(16, subjectLabel),
            slot::templateSizeCheck(),
            slot::bodyText(14, slot::BodyEnd::IntoSlot),
            slot::titleLine(12, slot::TitlePlacement::IntoSlotAsAligned),
            slot::dateBesideName(8),
            slot::officeName(7),
            slot::kaiLines(8, 7),
            slot::narrowedForLongName(7, 8),
            slot::numberParts(6),
            slot::secrecyMarks(1, 2),
            slot::redLineAdjust(4, &AuthorityProfile::jbfx)};
}

} // namespace

TForm11::TForm11(ui::Form* owner)
    : NumberPartLayout("TForm11", owner, outputPlan()), Button7(add<ui::Button>("Button7", GroupBox20)),
      Button8(add<ui::Button>("Button8", GroupBox19)) {
    setCaption("Brevaro   简报");
    setBounds(0, 0, 546, 370);
    placeControls(*this, Layout);
    GroupBox4.setCaption("  期 号  ");
    Button7.setHint("设置发送单位");
    Button8.setHint("请选择文档插入");
    for (ui::Button* hinted : {&Button7, &Button8})
        hinted->setShowHint(true);
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
}

const OutputPlan& TForm11::outputPlan() {
    static const OutputPlan plan =
        numberPartPlan({"dqx7.dqx",
                        paragraphRows,
                        "工作简报",
                        {.title = placeholder::Heading, .serial = placeholder::IssueNumber}});
    return plan;
}

void TForm11::Button7Click() {
    PickUnits(*this, Memo1, UnitRole::SendTo);
}

void TForm11::Button8Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

} // namespace composer
