#include "composer/output/MarksRows.h"

#include "platform/text/Convert.h"

namespace composer::slot {

namespace {

constexpr const char* MarkFont = "黑体";

std::string marksText(const OutputValues& v) {
    MarksParagraphs marks = marksParagraphs(v.level, v.mark, v.urgency);
    return marks.second.empty() ? marks.first : marks.first + "\r" + marks.second;
}

} // namespace

SlotRow marksAsOneText(int paragraph, Insert where, MarksSize size) {
    SlotRow marks = plainText(paragraph, where, marksText);
    return [=](const OutputValues& v, DocumentEditor& doc) {
        doc.setFont(paragraph, FontChange::named(MarkFont));
        if (size == MarksSize::Body) {
            FontChange body;
            body.size = text::toInteger(v.profile.zwsize);
            doc.setFont(paragraph, body);
        }
        marks(v, doc);
    };
}

} // namespace composer::slot
