#include "composer/output/LetterRows.h"

namespace composer::slot {

SlotRow copyToBehindSubject(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        if (v.copyTo.empty())
            return;
        bool administrative = v.style == DocumentStyle::Administrative;
        std::string line = (administrative ? "  抄送：" : "抄送：") + v.copyTo + "。";
        // Behind the slot with a copies line there is the start of that line; without one, the end of
        // the cell, in front of its mark.
        doc.insertAfter(paragraph, v.copies.empty() ? "\r" + line : line + "\r");
        doc.setFont(paragraph + 1, FontChange::named(v.profile.zwzt));
        doc.setAlignment(paragraph + 1, Alignment::Justify);
    };
}

} // namespace composer::slot
