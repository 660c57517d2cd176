#include "composer/output/SlotRows.h"

#include "composer/output/TemplateCheck.h"
#include "platform/text/Convert.h"

#include <algorithm>

namespace composer {

namespace {

constexpr int Red = 255;
constexpr const char* MarkFont = "黑体";
// The width of the type area in points (156 mm), the length of a rule drawn across it.
constexpr double TypeAreaWidth = 441.0;

bool administrative(const OutputValues& v) {
    return v.style == DocumentStyle::Administrative;
}

int shapeNumber(ShapeRef shape, DocumentEditor& doc) {
    return shape.index == ShapeRef::Last ? doc.shapeCount() : shape.index;
}

// The copy-to units at full width, one paragraph for each of their lines from the first: they go in where
// a condensed printing line stands, whose width a list of several lines would keep on its later lines.
// The copy-to lines at full width and, where a printing block rules off each of its lines, ruled off
// only under the last: the lines of one copy-to belong together.
void fullWidthCopyTo(int first, const OutputValues& v, DocumentEditor& doc) {
    auto lines = static_cast<int>(std::count(v.copyTo.begin(), v.copyTo.end(), '\r')) + 1;
    for (int paragraph = first; paragraph < first + lines; ++paragraph) {
        doc.setFont(paragraph, FontChange::scaled(100));
        if (paragraph + 1 < first + lines)
            doc.removeRuleBelow(paragraph);
    }
}

std::optional<int> mastheadMeasure(const slot::MastheadMeasure& measure, const std::string& profileValue) {
    switch (measure.from) {
    case slot::MastheadMeasure::From::Profile:
        return text::toInteger(profileValue);
    case slot::MastheadMeasure::From::Form:
        return measure.value;
    case slot::MastheadMeasure::From::Template:
        break;
    }
    return std::nullopt;
}

} // namespace

namespace slot {

SlotRow copiesLine(int paragraph, CopiesFont font) {
    return [paragraph, font](const OutputValues& v, DocumentEditor& doc) {
        if (v.copies.empty())
            return;
        doc.insertAfter(paragraph, "\r（共印" + v.copies + "份）");
        doc.setAlignment(paragraph + 1, Alignment::Right);
        if (font == CopiesFont::Body)
            doc.setFont(paragraph + 1, FontChange::named(v.profile.zwzt));
    };
}

SlotRow issueLine(int paragraph, IssueLineLead lead, bool leftAligned) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        bool blanks = lead == IssueLineLead::BlanksInAdministrativeStyle && administrative(v);
        doc.insertBefore(paragraph, (blanks ? "  " : "") + v.issueLine.text);
        if (leftAligned)
            doc.setAlignment(paragraph, Alignment::Left);
        if (v.issueLine.condensed)
            doc.setFont(paragraph, FontChange::scaled(85));
    };
}

SlotRow copyToAbove(int paragraph, CopyToRule rule) {
    return [paragraph, rule](const OutputValues& v, DocumentEditor& doc) {
        if (v.copyTo.empty())
            return;
        doc.insertBefore(paragraph, "\r");
        // On top of the slot's own text, which stands one paragraph lower now, wherever the block is.
        if (rule == CopyToRule::Drawn)
            doc.addLineAt(paragraph + 1, 0, 0, TypeAreaWidth, 0);
        doc.insertBefore(paragraph, "抄送：" + v.copyTo + "。");
        fullWidthCopyTo(paragraph, v, doc);
    };
}

SlotRow copyToInto(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, "抄送：" + v.copyTo + "。");
        fullWidthCopyTo(paragraph, v, doc);
    };
}

SlotRow zeroLengthLine() {
    return [](const OutputValues&, DocumentEditor& doc) { doc.addLine(0, 0, 0, 0); };
}

SlotRow subjectLine(int paragraph, LabelOffsets label, SubjectPlacement placement) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        int line = paragraph; // where the words stand afterwards
        switch (placement) {
        case SubjectPlacement::NextParagraph:
            doc.insertAfter(paragraph, "主题词：" + v.subject);
            line = paragraph + 1;
            break;
        case SubjectPlacement::IntoSlot:
            doc.insertBefore(paragraph, "主题词：" + v.subject);
            break;
        case SubjectPlacement::BehindLabel:
            doc.insertAfter(paragraph, v.subject);
            break;
        }
        doc.setFont(line, FontChange::named(v.profile.btzt));
        auto [first, last] = administrative(v) ? label.administrative : label.party;
        doc.setRangeFontName(first, last, MarkFont);
    };
}

SlotRow noteLine(int paragraph) {
    return [paragraph](const OutputValues& v, DocumentEditor& doc) {
        if (!v.note.empty())
            doc.insertBefore(paragraph, "    （" + v.note + "）\r");
    };
}

SlotRow dateLine(int paragraph, bool bodyFontFirst, PartyDateLead lead, DateFrame frame) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        if (bodyFontFirst && administrative(v))
            doc.setFont(paragraph, FontChange::named(v.profile.zwzt));
        std::vector<std::string> above;
        if (lead != PartyDateLead::None)
            above.push_back(v.profile.section);
        if (lead == PartyDateLead::TwoAuthorities)
            above.push_back(placeholder::SecondAuthority);
        std::string date = FormatDateLine(v.style, v.date, above);
        if (frame == DateFrame::Plain) {
            doc.insertBefore(paragraph, date);
            return;
        }
        doc.insertBefore(paragraph, "（" + date + "）");
        doc.setAlignment(paragraph, Alignment::Center);
    };
}

SlotRow attachmentBlock(int paragraph, AttachmentListLead lead, AttachmentIndent indent) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        auto block = composer::attachmentBlock(v.attachments, lead);
        if (!block)
            return;
        if (indent == AttachmentIndent::Slot)
            doc.setFirstLineIndentChars(paragraph, block->firstLineIndent);
        for (const std::string& text : block->insertions)
            doc.insertBefore(paragraph, text);
        if (indent == AttachmentIndent::Slot)
            return;
        int first = paragraph + (block->blankLineFirst ? 1 : 0);
        for (std::size_t i = 0; i < v.attachments.size(); ++i)
            doc.setFirstLineIndentChars(first + static_cast<int>(i), block->firstLineIndent);
    };
}

SlotRow bodyText(int paragraph, BodyEnd end) {
    const char* breaks = end == BodyEnd::OwnParagraph ? "\r" : end == BodyEnd::TwoBlankLines ? "\r\r\r" : "";
    return [=](const OutputValues& v, DocumentEditor& doc) { doc.insertBefore(paragraph, v.body + breaks); };
}

SlotRow blankLine(int paragraph, int count) {
    return [paragraph, count](const OutputValues&, DocumentEditor& doc) {
        doc.insertBefore(paragraph, std::string(static_cast<std::size_t>(count), '\r'));
    };
}

SlotRow recipientsLine(int paragraph, RecipientsLead lead) {
    return [paragraph, lead](const OutputValues& v, DocumentEditor& doc) {
        doc.insertBefore(paragraph, (lead == RecipientsLead::BlankLine ? "\r" : "") + v.recipients + "：");
    };
}

SlotRow titleLine(int paragraph, TitlePlacement placement, std::optional<FixedTitleFont> fixed) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        if (v.title.empty())
            return;
        int line = paragraph + 1; // where the title stands afterwards
        switch (placement) {
        case TitlePlacement::AfterSlot:
            doc.insertAfter(paragraph, v.title);
            break;
        case TitlePlacement::BetweenBlankLines:
            doc.insertBefore(paragraph, "\r" + v.title + "\r");
            break;
        case TitlePlacement::IntoSlot:
        case TitlePlacement::IntoSlotAsAligned:
            doc.insertBefore(paragraph, v.title);
            line = paragraph;
            break;
        }
        FontChange title = FontChange::named(fixed ? fixed->name : v.profile.btzt);
        title.size = fixed ? fixed->points : text::toInteger(v.profile.btsize);
        doc.setFont(line, title);
        if (placement != TitlePlacement::IntoSlotAsAligned)
            doc.setAlignment(line, Alignment::Center);
    };
}

SlotRow documentNumber(int paragraph, NumberPlacement placement) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        std::string number = documentNumberText(v.abbreviation, v.numberYear, v.serial);
        if (placement == NumberPlacement::AfterSlot) {
            doc.insertAfter(paragraph, number);
            return;
        }
        doc.insertBefore(paragraph, number);
        doc.setAlignment(paragraph, Alignment::Center);
    };
}

SlotRow secrecyMarks(int first, int second) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        MarksParagraphs marks = marksParagraphs(v.level, v.mark, v.urgency);
        if (!marks.first.empty())
            doc.insertBefore(first, marks.first);
        if (!marks.second.empty())
            doc.insertBefore(second, marks.second);
        for (int paragraph : {first, second}) {
            doc.setAlignment(paragraph, Alignment::Right);
            doc.setFont(paragraph, FontChange::named(MarkFont));
        }
    };
}

SlotRow redLineAdjust(int paragraph, int AuthorityProfile::*index) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        if (auto lines = redLineSpaceBefore(v.profile.*index))
            doc.setSingleSpacingWithLinesBefore(paragraph, *lines);
    };
}

SlotRow masthead(ShapeRef shape, const char* suffix, MastheadFormat format) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        int n = shapeNumber(shape, doc);
        doc.setShapeText(n, v.profile.section + suffix);
        FontChange font = FontChange::named(v.profile.fwzt);
        font.size = mastheadMeasure(format.size, v.profile.fontsize);
        font.bold = v.profile.fwbold;
        font.color = Red;
        font.scaling = mastheadMeasure(format.scaling, v.profile.fontbl);
        doc.setShapeFont(n, font);
        if (format.alignment == MastheadAlignment::Distributed)
            doc.setShapeAlignment(n, Alignment::Distribute);
        if (format.anchoring == MastheadAnchoring::ToPage)
            doc.setShapeRelativeToPage(n);
        if (format.outline == MastheadOutline::Hidden)
            doc.hideShapeOutline(n);
    };
}

SlotRow masthead(ShapeRef shape, const char* suffix, MastheadAnchoring anchoring,
                 std::optional<FixedMastheadSize> fixed) {
    MastheadFormat format;
    format.anchoring = anchoring;
    if (fixed) {
        format.size = MastheadMeasure::fixed(fixed->points);
        format.scaling = MastheadMeasure::fixed(fixed->scaling);
    }
    return masthead(shape, suffix, format);
}

SlotRow shapeNames(std::vector<ShapeName> always, std::vector<ShapeName> partyOnly) {
    return [=](const OutputValues& v, DocumentEditor& doc) {
        for (const ShapeName& s : always)
            doc.setShapeName(shapeNumber(s.shape, doc), s.name);
        if (administrative(v))
            return;
        for (const ShapeName& s : partyOnly)
            doc.setShapeName(shapeNumber(s.shape, doc), s.name);
    };
}

SlotRow templateSizeCheck() {
    return [](const OutputValues& v, DocumentEditor&) {
        if (administrative(v))
            VerifyTemplateSizes();
    };
}

} // namespace slot

} // namespace composer
