#include "composer/output/NumberPartRows.h"

namespace composer::slot {

namespace {

constexpr const char* NameLineFont = "楷体";

} // namespace

SlotRow numberParts(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, v.leftPart + v.serial + v.rightPart);
        doc.setFont(paragraph, FontChange::named(v.profile.btzt));
    };
}

SlotRow dateBesideName(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        std::string date = FormatDateAlone(v.style, v.date);
        if (v.style == DocumentStyle::Administrative)
            doc.insertAfter(paragraph, date);
        else
            doc.insertBefore(paragraph, date);
    };
}

SlotRow officeName(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        doc.insertAfter(paragraph, v.profile.name);
    };
}

SlotRow kaiLines(int first, int second) {
    return [=](const OutputValues&, DocumentEditor& doc) {
        doc.setFont(first, FontChange::named(NameLineFont));
        doc.setFont(second, FontChange::named(NameLineFont));
    };
}

SlotRow narrowedForLongName(int name, int date) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        for (auto [above, percent] : {std::pair{26u, 85}, {32u, 75}}) {
            if (v.issueLine.nameBytes <= above)
                return;
            doc.setFont(name, FontChange::scaled(percent));
            doc.setFont(date, FontChange::scaled(percent));
        }
    };
}

SlotRow unitsLine(int paragraph, const char* label) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, label + v.units + "。");
    };
}

SlotRow copyToBelowSplit(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        if (v.copyTo.empty())
            return;
        doc.insertBefore(paragraph, "\r");
        doc.insertBefore(paragraph + 1, "抄送：" + v.copyTo + "。");
    };
}

} // namespace composer::slot
