#include "platform/wordproc/DocumentStyles.h"

#include "platform/wordproc/DocumentLayout.h"
#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/ParagraphFormatting.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/StyleSheet.h"

#include <cmath>

namespace wordproc {

namespace {

pugi::xml_node styleNode(const DocumentModel& model, const std::string& styleId) {
    pugi::xml_node style = model.styleSheet().byId(styleId);
    if (!style)
        throw Error("样式“" + styleId + "”已不在文档里。");
    return style;
}

} // namespace

std::string DocumentStyles::find(std::string_view name) const {
    pugi::xml_node style = m_model.styleSheet().byName(name);
    if (!style)
        throw Error("文档中没有名为“" + std::string(name) + "”的样式。");
    return style.attribute("w:styleId").value();
}

void DocumentStyles::applyCharFormat(const std::string& styleId, const CharFormat& format) {
    wordproc::applyCharFormat(ensureStyleRunProperties(styleNode(m_model, styleId)), format);
    // The characters a line that CharsLine set depend on the body style's size.
    if (format.size)
        m_layout.refreshCharacterGrid();
}

CharFormat DocumentStyles::charFormat(const std::string& styleId) const {
    pugi::xml_node style = styleNode(m_model, styleId);
    const StyleSheet& styles = m_model.styleSheet();
    return resolveCharFormat(
        [&](const PropertyKey& key) { return styles.styleProperty(style, "w:rPr", key); });
}

void DocumentStyles::applyParaFormat(const std::string& styleId, const ParaFormat& format) {
    pugi::xml_node style = styleNode(m_model, styleId);
    float size = *charFormat(styleId).size;
    UnitMeasures units{static_cast<int>(std::lround(size * 20)), lineUnitTwips(m_model.body())};
    wordproc::applyParaFormat(ensureStyleParagraphProperties(style), format, units);
}

ParaFormat DocumentStyles::paraFormat(const std::string& styleId) const {
    pugi::xml_node style = styleNode(m_model, styleId);
    const StyleSheet& styles = m_model.styleSheet();
    return resolveParaFormat(
        [&](const PropertyKey& key) { return styles.styleProperty(style, "w:pPr", key); });
}

} // namespace wordproc
