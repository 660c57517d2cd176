#include "composer/output/TelegramRows.h"

namespace composer::slot {

SlotRow authorityAndDate(int paragraph, DateFont font) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, v.profile.section + "\r" + FormatDateAlone(v.style, v.date));
        if (font == DateFont::BodyInAdministrativeStyle && v.style == DocumentStyle::Administrative)
            doc.setFont(paragraph + 1, FontChange::named(v.profile.zwzt));
    };
}

SlotRow shapeText(int shape, ValueText text) {
    return [=](const OutputValues& v, DocumentEditor& doc) { doc.setShapeText(shape, text(v)); };
}

SlotRow shapeFontName(int shape, std::string AuthorityProfile::*font) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setShapeFont(shape, FontChange::named(v.profile.*font));
    };
}

SlotRow classifiedTelegram(int levelParagraph, int labelParagraph, int titleShape) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        if (v.level.empty())
            return;
        doc.insertAfter(levelParagraph, v.level);
        doc.insertAfter(labelParagraph, "密级");
        doc.setShapeText(titleShape, "内部密电");
    };
}

} // namespace composer::slot
