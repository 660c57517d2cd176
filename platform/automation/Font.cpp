#include "platform/automation/Font.h"

#include "platform/automation/Borders.h"
#include "platform/automation/Error.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentStyles.h"
#include "platform/wordproc/DocumentText.h"
#include "platform/wordproc/Formats.h"

namespace automation {

namespace {

// One field of a format, set alone.
template <typename Format, typename Field, typename Value> Format only(Field Format::*field, Value value) {
    Format format;
    format.*field = value;
    return format;
}

} // namespace

void Font::apply(const wordproc::CharFormat& format) const {
    if (auto span = std::get_if<std::shared_ptr<wordproc::Span>>(&m_target))
        m_document->text().applyCharFormat(**span, format);
    else if (auto style = std::get_if<std::string>(&m_target))
        m_document->styles().applyCharFormat(*style, format);
    else
        m_document->selection().applyCharFormat(format);
}

wordproc::CharFormat Font::current() const {
    if (auto span = std::get_if<std::shared_ptr<wordproc::Span>>(&m_target))
        return m_document->text().charFormat(**span);
    if (auto style = std::get_if<std::string>(&m_target))
        return m_document->styles().charFormat(*style);
    return m_document->selection().charFormat();
}

std::string Font::name() const {
    return current().name.value_or("");
}

void Font::setName(const std::string& name) const {
    apply(only(&wordproc::CharFormat::name, name));
}

std::string Font::nameFarEast() const {
    return current().nameFarEast.value_or("");
}

void Font::setNameFarEast(const std::string& name) const {
    apply(only(&wordproc::CharFormat::nameFarEast, name));
}

std::string Font::nameAscii() const {
    return current().nameAscii.value_or("");
}

void Font::setNameAscii(const std::string& name) const {
    apply(only(&wordproc::CharFormat::nameAscii, name));
}

std::string Font::nameOther() const {
    return current().nameOther.value_or("");
}

void Font::setNameOther(const std::string& name) const {
    apply(only(&wordproc::CharFormat::nameOther, name));
}

float Font::size() const {
    return current().size.value_or(10.0f);
}

void Font::setSize(float points) const {
    apply(only(&wordproc::CharFormat::size, points));
}

bool Font::bold() const {
    return current().bold.value_or(false);
}

void Font::setBold(bool bold) const {
    apply(only(&wordproc::CharFormat::bold, bold));
}

bool Font::italic() const {
    return current().italic.value_or(false);
}

void Font::setItalic(bool italic) const {
    apply(only(&wordproc::CharFormat::italic, italic));
}

int Font::color() const {
    return current().color.value_or(wordproc::AutomaticColor);
}

void Font::setColor(int bgr) const {
    apply(only(&wordproc::CharFormat::color, bgr));
}

int Font::scaling() const {
    return current().scaling.value_or(100);
}

void Font::setScaling(int percent) const {
    apply(only(&wordproc::CharFormat::scaling, percent));
}

float Font::spacing() const {
    return current().spacing.value_or(0.0f);
}

void Font::setSpacing(float points) const {
    apply(only(&wordproc::CharFormat::spacing, points));
}

void ParagraphFormat::apply(const wordproc::ParaFormat& format) const {
    if (auto span = std::get_if<std::shared_ptr<wordproc::Span>>(&m_target))
        m_document->text().applyParaFormat(**span, format);
    else if (auto style = std::get_if<std::string>(&m_target))
        m_document->styles().applyParaFormat(*style, format);
    else
        m_document->text().applyParaFormat(m_document->selection().span(), format);
}

wordproc::ParaFormat ParagraphFormat::current() const {
    if (auto span = std::get_if<std::shared_ptr<wordproc::Span>>(&m_target))
        return m_document->text().paraFormat(**span);
    if (auto style = std::get_if<std::string>(&m_target))
        return m_document->styles().paraFormat(*style);
    return m_document->text().paraFormat(m_document->selection().span());
}

int ParagraphFormat::alignment() const {
    return current().alignment.value_or(0);
}

void ParagraphFormat::setAlignment(int alignment) const {
    apply(only(&wordproc::ParaFormat::alignment, alignment));
}

float ParagraphFormat::characterUnitFirstLineIndent() const {
    return current().characterUnitFirstLineIndent.value_or(0.0f);
}

void ParagraphFormat::setCharacterUnitFirstLineIndent(float characters) const {
    apply(only(&wordproc::ParaFormat::characterUnitFirstLineIndent, characters));
}

float ParagraphFormat::characterUnitLeftIndent() const {
    return current().characterUnitLeftIndent.value_or(0.0f);
}

void ParagraphFormat::setCharacterUnitLeftIndent(float characters) const {
    apply(only(&wordproc::ParaFormat::characterUnitLeftIndent, characters));
}

int ParagraphFormat::lineSpacingRule() const {
    return current().lineSpacingRule.value_or(0);
}

void ParagraphFormat::setLineSpacingRule(int rule) const {
    apply(only(&wordproc::ParaFormat::lineSpacingRule, rule));
}

float ParagraphFormat::lineSpacing() const {
    return current().lineSpacing.value_or(12.0f);
}

void ParagraphFormat::setLineSpacing(float points) const {
    apply(only(&wordproc::ParaFormat::lineSpacing, points));
}

float ParagraphFormat::lineUnitBefore() const {
    return current().lineUnitBefore.value_or(0.0f);
}

void ParagraphFormat::setLineUnitBefore(float lines) const {
    apply(only(&wordproc::ParaFormat::lineUnitBefore, lines));
}

float ParagraphFormat::lineUnitAfter() const {
    return current().lineUnitAfter.value_or(0.0f);
}

void ParagraphFormat::setLineUnitAfter(float lines) const {
    apply(only(&wordproc::ParaFormat::lineUnitAfter, lines));
}

float ParagraphFormat::spaceBefore() const {
    return current().spaceBefore.value_or(0.0f);
}

void ParagraphFormat::setSpaceBefore(float points) const {
    apply(only(&wordproc::ParaFormat::spaceBefore, points));
}

float ParagraphFormat::spaceAfter() const {
    return current().spaceAfter.value_or(0.0f);
}

void ParagraphFormat::setSpaceAfter(float points) const {
    apply(only(&wordproc::ParaFormat::spaceAfter, points));
}

automation::Borders ParagraphFormat::Borders() const {
    if (std::holds_alternative<std::string>(m_target))
        throw Error("样式的段落边框不能在这里设置。");
    return automation::Borders(m_document, m_target);
}

} // namespace automation
