#include "composer/output/SignerRows.h"

namespace composer {

namespace {

constexpr const char* SignerFont = "楷体";

} // namespace

namespace slot {

SlotRow signerLine(int paragraph, std::pair<int, int> label) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setFont(paragraph, FontChange::named(SignerFont));
        doc.insertAfter(paragraph, joinedParagraphs(v.signers));
        doc.setRangeFontName(label.first, label.second, v.profile.zwzt);
    };
}

} // namespace slot

} // namespace composer
