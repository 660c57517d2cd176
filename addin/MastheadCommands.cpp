// The masthead commands: hide and show the red masthead, write the copy serial number. They work on the
// objects themselves and leave the user's selection where it was.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "addin/MastheadShapes.h"
#include "addin/Traps.h"
#include "platform/automation/Error.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/ui/Dialogs.h"

#include <string>
#include <vector>

namespace addin {

namespace {

constexpr const char* CopyNumberBox = "GWXH";

automation::Document activeDocument() {
    return hostGlobal().ActiveDocument().ActiveWindow().Document();
}

std::string quotedList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "“" : "、“") + name + "”";
    return list;
}

// Gives the masthead the look. Returns what the user must be told: a shape that could not be reached
// (nothing was changed) or shapes that failed part-way; empty when all went well. Throws when the
// document or its shapes cannot be reached, with nothing changed.
std::string changeMasthead(MastheadLook look) {
    automation::Document document = activeDocument();
    std::vector<ShapeChange> changes;
    try {
        changes = planMastheadChanges(document, look);
    } catch (const UnreachableShape& unreachable) {
        return "错误：无法修改版头中的“" + unreachable.name() + "”，版头未作任何改动！";
    }
    std::vector<std::string> failed = applyMastheadChanges(changes);
    if (failed.empty())
        return {};
    return "错误：未能修改版头中的" + quotedList(failed) + "，请检查版头！";
}

void runMastheadCommand(MastheadLook look) noexcept {
    std::string report;
    endSilently([&report, look] { report = changeMasthead(look); });
    if (!report.empty())
        showMessage(report);
}

// Writes the number into every copy-number box of the document. All boxes are reached before any is
// written, so that one without text leaves every box as it was. Throws when there is none.
void writeCopyNumber(const std::string& number) {
    automation::Shapes shapes = activeDocument().Shapes();
    std::vector<automation::Range> boxes;
    for (int index = 1; index <= shapes.Count(); ++index) {
        automation::Shape shape = shapes.Item(index);
        if (shape.name() == CopyNumberBox)
            boxes.push_back(shape.TextFrame().TextRange());
    }
    if (boxes.empty())
        throw automation::Error(std::string("没有名为“") + CopyNumberBox + "”的图形。");
    for (const automation::Range& box : boxes)
        box.setText(number);
}

} // namespace

void Dqxhand::ghide_Click(const automation::CommandBarControl&, bool&) noexcept {
    runMastheadCommand(MastheadLook::Hidden);
}

void Dqxhand::gShow_Click(const automation::CommandBarControl&, bool&) noexcept {
    runMastheadCommand(MastheadLook::Shown);
}

void Dqxhand::gInput_Click(const automation::CommandBarControl&, bool&) noexcept {
    std::string number;
    endSilently([&number] { number = ui::inputBox("添加公文分数序号", "请输入公文份数序号：", ""); });
    // An empty answer and Cancel change nothing; the number is written exactly as typed.
    if (number.empty())
        return;
    endWithMessage("错误：未找到输入框！", [&number] { writeCopyNumber(number); });
}

} // namespace addin
