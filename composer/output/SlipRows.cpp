#include "composer/output/SlipRows.h"

#include "platform/text/Encoding.h"

namespace composer {

namespace {

constexpr const char* AttachmentContinuation = "\r      "; // under the first name
constexpr int FirstTable = 1;

} // namespace

namespace value {

std::string firstSigner(const OutputValues& v) {
    return v.signers.empty() ? std::string() : v.signers.front();
}

std::string secrecy(const OutputValues& v) {
    return secrecyText(v.level, v.mark);
}

std::string documentNumber(const OutputValues& v) {
    return documentNumberText(v.abbreviation, v.numberYear, v.serial);
}

std::string date(const OutputValues& v) {
    return joinedDate(v.date);
}

std::string copyToSentence(const OutputValues& v) {
    return v.copyTo.empty() ? std::string() : v.copyTo + "。";
}

std::string attachmentLines(const OutputValues& v) {
    std::string joined;
    for (std::size_t i = 0; i < v.attachments.size(); ++i)
        joined += (i ? AttachmentContinuation : "") + v.attachments[i];
    return joined;
}

} // namespace value

int slipTitleScaling(const std::string& authority) {
    std::size_t bytes = text::gbkLength(authority);
    return bytes > 30 ? 50 : bytes > 16 ? 66 : 90;
}

namespace slot {

SlotRow plainText(int paragraph, Insert where, ValueText text) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        std::string value = text(v);
        if (value.empty())
            return;
        if (where == Insert::Before)
            doc.insertBefore(paragraph, value);
        else
            doc.insertAfter(paragraph, value);
    };
}

SlotRow bookmarkText(const char* bookmark, ValueText text) {
    return [=](const OutputValues& v, DocumentEditor& doc) { doc.setBookmarkText(bookmark, text(v)); };
}

SlotRow titleCell(int row, int column, const char* suffix) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setCellText(FirstTable, row, column, v.profile.section + suffix);
        doc.setCellFont(FirstTable, row, column, FontChange::named(v.profile.fwzt));
    };
}

SlotRow scaledTitle(const char* bookmark, const char* suffix) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setBookmarkFont(bookmark, FontChange::scaled(slipTitleScaling(v.profile.section)));
        doc.setBookmarkAlignment(bookmark, Alignment::Center);
        doc.setBookmarkText(bookmark, v.profile.section + suffix);
    };
}

} // namespace slot

} // namespace composer
