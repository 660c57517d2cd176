#pragma once
// The texts that the output procedure builds from a form's fields before it touches the document:
// secrecy marks, the printing-office line, the dates, the attachment block and the placeholders.

#include <optional>
#include <string>
#include <vector>

namespace composer {

// FormatSecrecyMark: the mark behind the level ("★" + period, or empty), and the level as the form
// shows it afterwards (a bare two-character level without period is widened: "机密" -> "机  密").
struct SecrecyMark {
    std::string level;
    std::string mark;
};
SecrecyMark FormatSecrecyMark(const std::string& level, const std::string& period);

// The level followed by its mark; nothing at all without a level, since a mark of no level means nothing.
std::string secrecyText(const std::string& level, const std::string& mark);

// The two marks paragraphs: level + mark in the first and the urgency in the second, or the urgency
// alone in the first when there is no level.
struct MarksParagraphs {
    std::string first;
    std::string second;
};
MarksParagraphs marksParagraphs(const std::string& level, const std::string& mark,
                                const std::string& urgency);

// FormatIssueLine: the printing office padded to a fixed width (administrative 32 or 41 bytes, party 36 or
// 45, the wider one for names over 32 bytes), then the issue date text. A long name is cut, never inside a
// character.
struct IssueLine {
    std::string text;
    std::size_t nameBytes = 0; // L, the code-page length of the name
    bool condensed = false;    // L > 32: the paragraph is set at 85 % width
};
enum class DocumentStyle { Administrative, Party };
// The older up-going form pads and cuts every name to 32 bytes, whatever its length and the style, and
// never condenses the line.
enum class IssueLineWidth { ByStyleAndLength, Fixed32 };
IssueLine FormatIssueLine(const std::string& name, DocumentStyle style, const std::string& issueDateText,
                          IssueLineWidth widths = IssueLineWidth::ByStyleAndLength);

// A document number: prefix + "〔" + year + "〕" + serial + "号", the parts as they stand.
std::string documentNumberText(const std::string& prefix, const std::string& year, const std::string& serial);

// IssueDateText: "Y年M月D日印发", led by one blank for each of month and day below 10 so that the text
// always has the same width.
std::string IssueDateText(int year, int month, int day);

// FormatDateLine: administrative style joins the three combo texts as they stand; party style gives the
// form's lines above the date (the authority, a joint form's placeholders, or none), each followed by a
// line break, and then the date in Arabic digits.
struct DateFields {
    std::string year;
    std::string month;
    std::string day;
};
// The three date texts joined as they stand.
std::string joinedDate(const DateFields& date);
std::string FormatDateLine(DocumentStyle style, const DateFields& date,
                           const std::vector<std::string>& partyLinesAbove);
// The date alone, as the forms that write it without the authority line have it: the combo texts as
// they stand in administrative style, Arabic digits in party style.
std::string FormatDateAlone(DocumentStyle style, const DateFields& date);

// InsertAttachmentBlock: the first-line indent of the slot paragraph and the texts to insert in front
// of it, in the order of insertion (the last attachment first). Nothing for no attachments.
struct AttachmentBlock {
    double firstLineIndent = 0; // characters, negative is hanging
    std::vector<std::string> insertions;
    bool blankLineFirst = false; // a blank line stands above the first attachment line
};
// The model starts a list of several attachments with a blank line; other forms start it at once; the
// up-going forms start even a single attachment with a blank line, and close it with one line break.
enum class AttachmentListLead { BlankLine, None, BlankLineAlways };
std::optional<AttachmentBlock> attachmentBlock(const std::vector<std::string>& attachments,
                                               AttachmentListLead lead = AttachmentListLead::BlankLine);

// The attachments of a form with two attachment fields: none without the first (a second one alone
// counts for nothing), the first alone, or both, numbered "1．" and "2．".
std::vector<std::string> attachmentPair(const std::string& first, const std::string& second);

// AddAttachment: the attachments memo after adding one name; numbering starts with the second.
std::string withAttachmentAdded(const std::string& memoText, const std::string& name);

// ApplyRedLineAdjust: the space before the adjust paragraph in lines for a stored index, or nothing.
std::optional<double> redLineSpaceBefore(int index);

// Lines as paragraphs of a document: joined by CR, none after the last.
std::string joinedParagraphs(const std::vector<std::string>& lines);

// FillPlaceholders: the field's text, or the placeholder when the field is empty.
std::string orPlaceholder(const std::string& field, const char* placeholder);

namespace placeholder {
inline constexpr const char* Title = "[此处输入文件标题]";
inline constexpr const char* Recipients = "[此处输入主送机关]";
inline constexpr const char* Body = "[此处输入正文内容]";
inline constexpr const char* Subject = "[此处输入主题词]";
inline constexpr const char* Signer = "[此处输入签发人]";
inline constexpr const char* SignerPost = "[此处输入签发人职务]";
inline constexpr const char* DocumentNumber = "[此处输入文号]";
inline constexpr const char* IssueNumber = "[此处输入期号]";
inline constexpr const char* Heading = "[此处输入标题]";
inline constexpr const char* Addressees = "[此处输入发往单位]";
std::string jointSigner(int n); // "[签发人1]", "[签发人2]", "[签发人3]"
// The joint authorities after the first, in the masthead and in party-style date lines.
inline constexpr const char* SecondAuthority = "发文机关二";
inline constexpr const char* ThirdAuthority = "发文机关三";
} // namespace placeholder

} // namespace composer
