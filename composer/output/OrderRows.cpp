#include "composer/output/OrderRows.h"

namespace composer::slot {

namespace {

constexpr const char* NumberFont = "黑体";
constexpr const char* PostIndent = "        "; // eight blanks

} // namespace

SlotRow orderNumber(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, "第" + v.serial + "号");
        doc.setFont(paragraph, FontChange::named(NumberFont));
        doc.setAlignment(paragraph, Alignment::Center);
    };
}

SlotRow signerPostLine(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, PostIndent + v.signerPost + "\r");
    };
}

SlotRow paragraphFont(int paragraph, std::string AuthorityProfile::*font) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setFont(paragraph, FontChange::named(v.profile.*font));
    };
}

} // namespace composer::slot
