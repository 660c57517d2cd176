#pragma once
// Character and paragraph formatting of a range or of a style.

#include <memory>
#include <string>
#include <variant>

namespace wordproc {
class Document;
struct CharFormat;
struct ParaFormat;
struct Span;
} // namespace wordproc

namespace automation {

// The document's selection as what a Font or ParagraphFormat handle formats.
struct SelectionTarget {};

// What a Font or ParagraphFormat handle formats: a range's characters, a style or the selection.
using FormatTarget =
    std::variant<std::shared_ptr<wordproc::Span>, std::string /* style id */, SelectionTarget>;

class Borders;

class Font {
public:
    Font(std::shared_ptr<wordproc::Document> document, FormatTarget target)
        : m_document(std::move(document)), m_target(std::move(target)) {}

    // Sets the font of Latin and of East Asian text.
    std::string name() const;
    void setName(const std::string& name) const;
    // The font of East Asian text only.
    std::string nameFarEast() const;
    void setNameFarEast(const std::string& name) const;
    // The font of Latin letters and digits (and, set alone, of other text that is not East Asian).
    std::string nameAscii() const;
    void setNameAscii(const std::string& name) const;
    // The font of text that is neither East Asian nor ASCII.
    std::string nameOther() const;
    void setNameOther(const std::string& name) const;
    float size() const; // points
    void setSize(float points) const;
    bool bold() const;
    void setBold(bool bold) const;
    bool italic() const;
    void setItalic(bool italic) const;
    // A BGR number as the hosts count colours: 255 is red, 0xFF0000 blue; -16777216 automatic.
    int color() const;
    void setColor(int bgr) const;
    // Character width in percent (1 to 600).
    int scaling() const;
    void setScaling(int percent) const;
    // Room between characters, in points.
    float spacing() const;
    void setSpacing(float points) const;

private:
    void apply(const wordproc::CharFormat& format) const;
    wordproc::CharFormat current() const;

    std::shared_ptr<wordproc::Document> m_document;
    FormatTarget m_target;
};

class ParagraphFormat {
public:
    ParagraphFormat(std::shared_ptr<wordproc::Document> document, FormatTarget target)
        : m_document(std::move(document)), m_target(std::move(target)) {}

    // 0 left, 1 centre, 2 right, 3 justify, 4 distribute.
    int alignment() const;
    void setAlignment(int alignment) const;
    // A first-line indent in characters; negative: a hanging indent (the first line at the margin, the
    // others that far in).
    float characterUnitFirstLineIndent() const;
    void setCharacterUnitFirstLineIndent(float characters) const;
    float characterUnitLeftIndent() const;
    void setCharacterUnitLeftIndent(float characters) const;
    // 0 single, 1 one and a half, 2 double, 3 at least, 4 exactly, 5 multiple.
    int lineSpacingRule() const;
    void setLineSpacingRule(int rule) const;
    float lineSpacing() const; // points
    void setLineSpacing(float points) const;
    // Space before and after the paragraph in lines of the document grid.
    float lineUnitBefore() const;
    void setLineUnitBefore(float lines) const;
    float lineUnitAfter() const;
    void setLineUnitAfter(float lines) const;
    float spaceBefore() const; // points
    void setSpaceBefore(float points) const;
    float spaceAfter() const;
    void setSpaceAfter(float points) const;
    // The paragraphs' borders. Throws Error for a style.
    automation::Borders Borders() const;

private:
    void apply(const wordproc::ParaFormat& format) const;
    wordproc::ParaFormat current() const;

    std::shared_ptr<wordproc::Document> m_document;
    FormatTarget m_target;
};

} // namespace automation
