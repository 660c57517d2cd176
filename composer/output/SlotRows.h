#pragma once
// The steps that fill a template's paragraphs, cells and shapes, each made for the paragraph or shape
// numbers of one form's slot map. A form's output is a list of these rows, run from the last slot of the
// template upward so that every lower paragraph number and character offset stays as the template has it.

#include "composer/output/DocumentEditor.h"
#include "composer/output/OutputValues.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace composer {

using SlotRow = std::function<void(const OutputValues&, DocumentEditor&)>;
using SlotMap = std::vector<SlotRow>;

// The rows of `head`, then those of `tail`: a host's own rows joined to the rows the hosts share.
inline SlotMap joined(SlotMap head, const SlotMap& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The characters [first, last) that the subject label "主题词：" occupies in each style.
struct LabelOffsets {
    std::pair<int, int> administrative;
    std::pair<int, int> party;
};

// A shape number: a fixed one, or the last shape of the document.
struct ShapeRef {
    static constexpr int Last = 0;
    int index = Last;
};

struct ShapeName {
    const char* name;
    ShapeRef shape;
};

namespace slot {

// "（共印N份）" in the paragraph behind the slot, right-aligned; nothing without copies. With
// `CopiesFont::Body` the line is set in the body font, where it is split off a slot in another font.
enum class CopiesFont { AsSlot, Body };
SlotRow copiesLine(int paragraph, CopiesFont font = CopiesFont::AsSlot);
// The printing-office line, condensed to 85 % for long names; `leadingBlanks` puts two blanks in front
// in administrative style, `leftAligned` aligns the paragraph left.
enum class IssueLineLead { None, BlanksInAdministrativeStyle };
SlotRow issueLine(int paragraph, IssueLineLead lead = IssueLineLead::None, bool leftAligned = false);
// "抄送：…。" in a new paragraph above the slot's text; nothing without copy-to units. Every line of
// the units is set at full width, also where they go in front of a condensed printing line. With
// `CopyToRule::Drawn` a thin line is drawn between the two across the type area, for a printing block
// that has no rule of its own there.
enum class CopyToRule { None, Drawn };
SlotRow copyToAbove(int paragraph, CopyToRule rule = CopyToRule::None);
// "抄送：…。" into the template's own copy-to paragraph, every line of it at full width.
SlotRow copyToInto(int paragraph);
// A line of no length, as one host's template asks for after the printing line.
SlotRow zeroLengthLine();
// "主题词：" + the words, the paragraph that holds them in the title font and the label in 黑体: behind the
// slot, at the start of the next paragraph (`NextParagraph`); into the slot (`IntoSlot`); or the words
// alone behind the template's own label, at the end of the slot, the last paragraph of its table cell
// (`BehindLabel`).
enum class SubjectPlacement { NextParagraph, IntoSlot, BehindLabel };
SlotRow subjectLine(int paragraph, LabelOffsets label,
                    SubjectPlacement placement = SubjectPlacement::NextParagraph);
// The note "（…）" above the slot; nothing without a note.
SlotRow noteLine(int paragraph);
// The signing date (FormatDateLine); `bodyFontFirst` sets the body font on the slot first in
// administrative style. In party style the date stands under the authority (the model), under the
// authority and the second authority's placeholder (two authorities), or alone. `BracketsCentred` puts
// the date between full-width brackets on a centred line.
enum class PartyDateLead { Authority, TwoAuthorities, None };
enum class DateFrame { Plain, BracketsCentred };
SlotRow dateLine(int paragraph, bool bodyFontFirst = false, PartyDateLead lead = PartyDateLead::Authority,
                 DateFrame frame = DateFrame::Plain);
// InsertAttachmentBlock, with or without the blank line in front of a list of several. The hanging
// indent that aligns the names goes on the slot paragraph before the lines are put in front of it
// (`AttachmentIndent::Slot`), or on the attachment lines alone once they stand (`Lines`), for a slot
// whose own format the body takes after them.
enum class AttachmentIndent { Slot, Lines };
SlotRow attachmentBlock(int paragraph, AttachmentListLead lead = AttachmentListLead::BlankLine,
                        AttachmentIndent indent = AttachmentIndent::Slot);
// The body's lines above the slot, closed by a paragraph break; with `BodyEnd::IntoSlot` the last line
// runs into the slot paragraph itself, with `BodyEnd::TwoBlankLines` two empty paragraphs follow it.
enum class BodyEnd { OwnParagraph, IntoSlot, TwoBlankLines };
SlotRow bodyText(int paragraph, BodyEnd end = BodyEnd::OwnParagraph);
// Empty paragraphs in front of the slot (one unless said), always.
SlotRow blankLine(int paragraph, int count = 1);
// The main recipients followed by "：", after a blank line of their own or in the template's line.
enum class RecipientsLead { BlankLine, None };
SlotRow recipientsLine(int paragraph, RecipientsLead lead = RecipientsLead::BlankLine);
// The title in the title font and size: behind the slot and centred (`AfterSlot`); into the slot,
// centred (`IntoSlot`) or keeping the slot's alignment (`IntoSlotAsAligned`); or on a centred line of its
// own with a blank line on either side, above the slot (`BetweenBlankLines`). A title left empty (one
// without placeholder) is not written.
// The font and size are the profile's (btzt, btsize) unless the form fixes them.
enum class TitlePlacement { AfterSlot, IntoSlot, IntoSlotAsAligned, BetweenBlankLines };
struct FixedTitleFont {
    const char* name;
    int points;
};
SlotRow titleLine(int paragraph, TitlePlacement placement = TitlePlacement::AfterSlot,
                  std::optional<FixedTitleFont> fixed = std::nullopt);
// abbreviation〔year〕serial号: into the slot, centred; or behind the slot as the template aligns it (the
// up-going forms, whose number shares its line with the signers).
enum class NumberPlacement { IntoSlotCentred, AfterSlot };
SlotRow documentNumber(int paragraph, NumberPlacement placement = NumberPlacement::IntoSlotCentred);
// The secrecy and urgency marks, right-aligned in 黑体.
SlotRow secrecyMarks(int first, int second);
// ApplyRedLineAdjust with the profile's index for this kind of document.
SlotRow redLineAdjust(int paragraph, int AuthorityProfile::*index);
// WriteMasthead: the profile's name + suffix in the masthead text box, in the masthead font and its
// boldness, red; then as the format says.
enum class MastheadAnchoring { AsTemplate, ToPage };
// Where the masthead's size or width comes from: the profile (`fontsize`, `fontbl`), the form, or the
// template, which keeps its own.
struct MastheadMeasure {
    enum class From { Profile, Form, Template };
    From from = From::Profile;
    int value = 0; // with From::Form: points, or percent of the width
    static MastheadMeasure fixed(int value) { return {From::Form, value}; }
    static MastheadMeasure ofTemplate() { return {From::Template, 0}; }
};
enum class MastheadAlignment { Distributed, AsTemplate };
enum class MastheadOutline { Hidden, AsTemplate };
struct MastheadFormat {
    MastheadAnchoring anchoring = MastheadAnchoring::AsTemplate;
    MastheadMeasure size;
    MastheadMeasure scaling;
    MastheadAlignment alignment = MastheadAlignment::Distributed;
    MastheadOutline outline = MastheadOutline::Hidden;
};
SlotRow masthead(ShapeRef shape, const char* suffix, MastheadFormat format);
// The same, distributed and without outline, at the profile's size and width unless the form fixes both.
struct FixedMastheadSize {
    int points;
    int scaling; // percent of the width
};
SlotRow masthead(ShapeRef shape, const char* suffix,
                 MastheadAnchoring anchoring = MastheadAnchoring::AsTemplate,
                 std::optional<FixedMastheadSize> fixed = std::nullopt);
// NameMastheadShapes; the party names only in party style.
SlotRow shapeNames(std::vector<ShapeName> always, std::vector<ShapeName> partyOnly);
// VerifyTemplateSizes in administrative style.
SlotRow templateSizeCheck();

} // namespace slot

} // namespace composer
