#pragma once
// The fields of a filled slip, as an output run has read them, for the slips' slot-map tests.

#include "composer/output/OutputValues.h"

namespace testsupport {

inline composer::OutputValues slipValues(composer::DocumentStyle style) {
    using namespace composer;

    OutputValues v;
    v.profile.section = "某某市人民政府";
    v.profile.fwzt = "方正小标宋简体";
    v.profile.xz = style == DocumentStyle::Administrative;
    v.style = style;
    v.abbreviation = "某府";
    v.numberYear = "2026";
    v.serial = "12";
    v.level = "机密";
    v.mark = "★一年";
    v.urgency = "特  急";
    v.title = "关于召开全市安全生产工作会议的通知";
    v.recipients = "各区县人民政府";
    v.body = "第一段\r第二段";
    v.subject = "安全生产 会议";
    v.copyTo = "市委办公室";
    v.copies = "30";
    v.attachments = {"1．会议议程", "2．参会回执", "3．住宿安排"};
    v.draftingUnit = "综合科";
    v.date = {"2026年", "3月", "15日"};
    v.sender = "某某省发展和改革委员会";
    v.senderNumber = "某发改〔2026〕35号";
    return v;
}

} // namespace testsupport
