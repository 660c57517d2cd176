#include "composer/forms/TForm4.h"

#include "composer/core/FormLayout.h"
#include "composer/output/BodyImport.h"
#include "composer/output/NumberPartRows.h"
#include "composer/windows/RecipientPicker.h"

#include <array>

namespace composer {

namespace {

// Captions and places in the 569 x 371 client area below the shared top of the left column; the body
// stands on the right.
constexpr std::array<Placement, 16> Layout = {{
    {"Panel1", {}, {}, 0, 0, 569, 371},
    {"GroupBox20", {}, "分送：", 6, 242, 300, 72},
    {"Memo1", {}, {}, 8, 16, 254, 48},
    {"Button8", {}, "...", 266, 16, 26, 24},
    {"GroupBox17", {}, "抄送：", 6, 316, 300, 46},
    {"Edit9", {}, {}, 8, 16, 254, 24},
    {"Button7", {}, "...", 266, 16, 26, 24},
    {"GroupBox19", {}, "正文", 312, 2, 251, 326},
    {"Memo2", {}, {}, 8, 16, 235, 272},
    {"Edit15", {}, {}, 8, 294, 159, 24},
    {"Button9", {}, "导入文件", 171, 294, 72, 24},
    {"Button5", {}, {}, 433, 336, 130, 28},
    // Hidden.
    {"Button1", {}, {}, 312, 336, 80, 28},
    {"Button3", {}, {}, 312, 336, 80, 28},
    {"Button4", {}, {}, 312, 336, 80, 28},
    {"Edit12", {}, {}, 312, 336, 80, 24},
}};

SlotMap paragraphRows(LabelOffsets subjectLabel) {
    return {slot::copiesLine(19),
            slot::issueLine(19),
            slot::copyToBelowSplit(18),
            slot::unitsLine(18, "分送："),
            slot::subjectLine(16, subjectLabel),
            slot::templateSizeCheck(),
            slot::bodyText(14, slot::BodyEnd::IntoSlot),
            slot::titleLine(13, slot::TitlePlacement::BetweenBlankLines),
            slot::dateBesideName(10),
            slot::officeName(9),
            slot::kaiLines(9, 10),
            slot::narrowedForLongName(9, 10),
            slot::numberParts(8),
            slot::secrecyMarks(1, 2),
            slot::redLineAdjust(3, &AuthorityProfile::jyfx)};
}

} // namespace

TForm4::TForm4(ui::Form* owner)
    : NumberPartLayout("TForm4", owner, outputPlan()), Button8(add<ui::Button>("Button8", GroupBox20)),
      GroupBox17(add<ui::GroupBox>("GroupBox17", Panel1)), Edit9(add<ui::Edit>("Edit9", GroupBox17)),
      Button7(add<ui::Button>("Button7", GroupBox17)), Button9(add<ui::Button>("Button9", GroupBox19)) {
    setCaption("Brevaro   会议纪要");
    setBounds(0, 0, 577, 405);
    placeControls(*this, Layout);
    GroupBox4.setCaption("  文 号  ");
    Button1.setVisible(false);
    Button3.setVisible(false);
    Button7.setHint("设置抄送单位");
    Button8.setHint("设置主送单位");
    Button9.setHint("请选择文档插入");
    for (ui::Button* hinted : {&Button7, &Button8, &Button9})
        hinted->setShowHint(true);
    Button7.OnClick = [this] { Button7Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    Button9.OnClick = [this] { Button9Click(); };
}

DocumentFields TForm4::fields() {
    DocumentFields f = NumberPartLayout::fields();
    f.copyTo = &Edit9;
    return f;
}

const OutputPlan& TForm4::outputPlan() {
    static const OutputPlan plan = numberPartPlan(
        {"dqx4.dqx", paragraphRows, "会议纪要", {.title = nullptr, .serial = placeholder::DocumentNumber}});
    return plan;
}

void TForm4::Button7Click() {
    PickUnits(*this, Edit9, UnitRole::CopyTo);
}

void TForm4::Button8Click() {
    PickUnits(*this, Memo1, UnitRole::Distribution);
}

void TForm4::Button9Click() {
    ImportBodyText(OpenDialog1, Edit15, Memo2);
}

} // namespace composer
