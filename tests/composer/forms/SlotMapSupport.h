#pragma once
// What the slot-map tests share: a filled form's values and a run of a slot map on a recorder.

#include "composer/output/OutputValues.h"
#include "composer/output/SlotRows.h"
#include "tests/composer/forms/RecordingEditor.h"

#include <string>
#include <vector>

namespace testsupport {

using Log = std::vector<std::string>;

// Every field filled, as a clerk would, in the style given; the profile "某某市人民政府".
inline composer::OutputValues filledValues(composer::DocumentStyle style) {
    using namespace composer;
    OutputValues v;
    v.profile.section = "某某市人民政府";
    v.profile.name = "某某市人民政府办公室";
    v.profile.fontsize = "55";
    v.profile.fontbl = "60";
    v.profile.fwzt = "标准公文_小标宋";
    v.profile.xz = style == DocumentStyle::Administrative;
    v.style = style;
    v.abbreviation = "某府";
    v.numberYear = "2026";
    v.serial = "12";
    v.level = "机密";
    v.mark = "★一年";
    v.urgency = "特  急";
    v.title = "关于做好冬季安全生产工作的通知";
    v.recipients = "各区县人民政府";
    v.body = "第一段\r第二段";
    v.subject = "安全生产 通知";
    v.copyTo = "市委办公室";
    v.copies = "100";
    v.note = "此件公开发布";
    v.date = {"二○二六年", "十二月", "九日"};
    v.attachments = {"通知.doc"};
    v.issueLine = FormatIssueLine(v.profile.name, style, " 2026年12月9日印发");
    return v;
}

// The printing line of the filled values in administrative style.
inline const std::string FilledIssueLine =
    "某某市人民政府办公室            " + std::string(" 2026年12月9日印发");

// The operations that the rows ask of a document with that many shapes, one line each.
inline Log run(const composer::SlotMap& rows, const composer::OutputValues& v, int shapes) {
    RecordingEditor editor(shapes);
    for (const composer::SlotRow& row : rows)
        row(v, editor);
    return editor.log;
}

// The operations on the joint masthead table, for the profile's name P and that many authorities.
inline Log mastheadCells(const std::string& p, int rows, bool halfWidth) {
    Log log = {"cell 1,1,1 text " + p, "cell 1,1,2 text 文件", "cell 1,2,1 text 发文机关二"};
    if (rows == 3)
        log.push_back("cell 1,3,1 text 发文机关三");
    if (halfWidth)
        log.push_back("cell 1,1,1 font scaling=50");
    for (const char* what : {"name=标准公文_小标宋", "bold=0"}) {
        for (const char* cell : {"1,1", "1,2", "2,1", "3,1"}) {
            if (rows == 3 || std::string(cell) != "3,1")
                log.push_back(std::string("cell 1,") + cell + " font " + what);
        }
    }
    return log;
}

// The lines of `head`, then those of `tail`.
inline Log joinedLogs(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace testsupport
