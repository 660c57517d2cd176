#include "composer/output/DocumentTexts.h"

#include "composer/core/DateParts.h"
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"

namespace composer {

namespace {

constexpr const char* AttachmentLabel = "    附件：";
constexpr const char* AttachmentContinuation = "          "; // under the first name
constexpr const char* FullWidthStop = "．";

} // namespace

SecrecyMark FormatSecrecyMark(const std::string& level, const std::string& period) {
    if (!period.empty())
        return {level, "★" + period};
    for (const char* bare : {"秘密", "机密", "绝密"}) {
        std::string text = bare;
        if (level == text)
            return {text.substr(0, 3) + "  " + text.substr(3), ""};
    }
    return {level, ""};
}

std::string secrecyText(const std::string& level, const std::string& mark) {
    return level.empty() ? std::string() : level + mark;
}

MarksParagraphs marksParagraphs(const std::string& level, const std::string& mark,
                                const std::string& urgency) {
    if (level.empty())
        return {urgency, ""};
    return {secrecyText(level, mark), urgency};
}

std::string documentNumberText(const std::string& prefix, const std::string& year,
                               const std::string& serial) {
    return prefix + "〔" + year + "〕" + serial + "号";
}

IssueLine FormatIssueLine(const std::string& name, DocumentStyle style, const std::string& issueDateText,
                          IssueLineWidth widths) {
    IssueLine line;
    line.nameBytes = text::gbkLength(name);
    line.condensed = widths == IssueLineWidth::ByStyleAndLength && line.nameBytes > 32;
    std::size_t width =
        style == DocumentStyle::Administrative ? (line.condensed ? 41 : 32) : (line.condensed ? 45 : 36);
    if (widths == IssueLineWidth::Fixed32)
        width = 32;
    line.text = text::cutToBytes(name + std::string(30, ' '), width) + issueDateText;
    return line;
}

std::string IssueDateText(int year, int month, int day) {
    std::string prefix = std::string(month < 10 ? 1 : 0, ' ') + std::string(day < 10 ? 1 : 0, ' ');
    return prefix + std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) +
           "日印发";
}

std::string joinedDate(const DateFields& date) {
    return date.year + date.month + date.day;
}

std::string FormatDateLine(DocumentStyle style, const DateFields& date,
                           const std::vector<std::string>& partyLinesAbove) {
    if (style == DocumentStyle::Administrative)
        return FormatDateAlone(style, date);
    std::string line;
    for (const std::string& above : partyLinesAbove)
        line += above + "\r";
    return line + FormatDateAlone(style, date);
}

std::string FormatDateAlone(DocumentStyle style, const DateFields& date) {
    if (style == DocumentStyle::Administrative)
        return joinedDate(date);
    return ChineseYearToDigits(date.year) + ChineseMonthToDigits(date.month) + ChineseDayToDigits(date.day);
}

std::optional<AttachmentBlock> attachmentBlock(const std::vector<std::string>& attachments,
                                               AttachmentListLead lead) {
    if (attachments.empty())
        return std::nullopt;
    if (attachments.size() == 1 && lead == AttachmentListLead::BlankLineAlways)
        return AttachmentBlock{-5, {"\r" + std::string(AttachmentLabel) + attachments[0] + "\r"}, true};
    if (attachments.size() == 1)
        return AttachmentBlock{-5, {AttachmentLabel + attachments[0] + "\r\r"}, false};
    AttachmentBlock block{-6, {}, lead != AttachmentListLead::None};
    const char* blankLine = block.blankLineFirst ? "\r" : "";
    for (std::size_t i = attachments.size(); i-- > 0;) {
        if (i == 0)
            block.insertions.push_back(blankLine + std::string(AttachmentLabel) + attachments[0] + "\r");
        else
            block.insertions.push_back(AttachmentContinuation + attachments[i] + "\r");
    }
    return block;
}

std::vector<std::string> attachmentPair(const std::string& first, const std::string& second) {
    if (first.empty())
        return {};
    if (second.empty())
        return {first};
    return {"1" + std::string(FullWidthStop) + first, "2" + std::string(FullWidthStop) + second};
}

std::string withAttachmentAdded(const std::string& memoText, const std::string& name) {
    std::size_t n = text::splitLines(memoText).size();
    if (n == 0)
        return name;
    if (n == 1)
        return "1" + std::string(FullWidthStop) + memoText + "\r\n2" + FullWidthStop + name;
    return memoText + "\r\n" + std::to_string(n + 1) + FullWidthStop + name;
}

std::optional<double> redLineSpaceBefore(int index) {
    switch (index) {
    case 1:
        return 0.0;
    case 2:
        return 0.5;
    case 3:
        return 1.0;
    default:
        return std::nullopt;
    }
}

std::string joinedParagraphs(const std::vector<std::string>& lines) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\r" : "") + lines[i];
    return joined;
}

std::string orPlaceholder(const std::string& field, const char* placeholder) {
    return field.empty() ? std::string(placeholder) : field;
}

std::string placeholder::jointSigner(int n) {
    return "[签发人" + std::to_string(n) + "]";
}

} // namespace composer
