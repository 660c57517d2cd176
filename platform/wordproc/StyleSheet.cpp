#include "platform/wordproc/StyleSheet.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

namespace wordproc {

namespace {

// The names under which Chinese word processors show built-in styles, and the names in the file.
constexpr std::pair<std::string_view, std::string_view> builtInNames[] = {
    {"正文", "Normal"},
    {"标题", "Title"},
    {"副标题", "Subtitle"},
    {"标题 1", "heading 1"},
    {"标题 2", "heading 2"},
    {"标题 3", "heading 3"},
    {"标题 4", "heading 4"},
    {"标题 5", "heading 5"},
    {"标题 6", "heading 6"},
    {"标题 7", "heading 7"},
    {"标题 8", "heading 8"},
    {"标题 9", "heading 9"},
    {"页眉", "header"},
    {"页脚", "footer"},
    {"默认段落字体", "Default Paragraph Font"},
    {"普通表格", "Normal Table"},
    {"网格型", "Table Grid"},
    {"无列表", "No List"},
    {"正文文本", "Body Text"},
    {"正文文本缩进", "Body Text Indent"},
    {"页码", "page number"},
};

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool hasAlias(pugi::xml_node style, std::string_view name) {
    std::string_view aliases = style.child("w:aliases").attribute("w:val").value();
    while (!aliases.empty()) {
        std::size_t comma = aliases.find(',');
        if (sameName(aliases.substr(0, comma), name))
            return true;
        aliases = comma == std::string_view::npos ? std::string_view() : aliases.substr(comma + 1);
    }
    return false;
}

// The element of the key among the children of a properties group, or null.
pugi::xml_node childFor(pugi::xml_node group, const PropertyKey& key) {
    pugi::xml_node element = group.child(key.name);
    return key.matches(element) ? element : pugi::xml_node();
}

} // namespace

bool PropertyKey::matches(pugi::xml_node element) const {
    if (!element)
        return false;
    if (anyOf.size() == 0)
        return true;
    for (const char* attribute : anyOf) {
        if (element.attribute(attribute))
            return true;
    }
    return false;
}

StyleSheet::StyleSheet(pugi::xml_node root) : m_root(root) {
    for (pugi::xml_node style : m_root.children("w:style")) {
        m_byId.try_emplace(style.attribute("w:styleId").value(), style);
        std::string_view isDefault = style.attribute("w:default").value();
        if (isDefault == "1" || isDefault == "true")
            m_defaultByType.try_emplace(style.attribute("w:type").value(), style);
    }
}

pugi::xml_node StyleSheet::byId(std::string_view id) const {
    auto found = m_byId.find(id);
    return found == m_byId.end() ? pugi::xml_node() : found->second;
}

pugi::xml_node StyleSheet::byName(std::string_view name) const {
    std::string_view fileName = name;
    for (const auto& [shown, inFile] : builtInNames) {
        if (name == shown)
            fileName = inFile;
    }
    for (pugi::xml_node style : m_root.children("w:style")) {
        std::string_view own = style.child("w:name").attribute("w:val").value();
        if (sameName(own, name) || sameName(own, fileName) || hasAlias(style, name))
            return style;
    }
    return {};
}

pugi::xml_node StyleSheet::defaultStyle(std::string_view type) const {
    auto found = m_defaultByType.find(type);
    return found == m_defaultByType.end() ? pugi::xml_node() : found->second;
}

pugi::xml_node StyleSheet::defaults(const char* group) const {
    pugi::xml_node docDefaults = m_root.child("w:docDefaults");
    return std::string_view(group) == "w:rPr" ? docDefaults.child("w:rPrDefault").child("w:rPr")
                                              : docDefaults.child("w:pPrDefault").child("w:pPr");
}

pugi::xml_node StyleSheet::styleProperty(pugi::xml_node style, const char* group,
                                         const PropertyKey& key) const {
    // A chain longer than the style sheet is a loop in a damaged file.
    for (int depth = 0; style && depth < 64; ++depth) {
        if (pugi::xml_node found = childFor(style.child(group), key))
            return found;
        style = byId(style.child("w:basedOn").attribute("w:val").value());
    }
    return childFor(defaults(group), key);
}

pugi::xml_node StyleSheet::paragraphStyle(pugi::xml_node paragraph) const {
    pugi::xml_node style = byId(paragraph.child("w:pPr").child("w:pStyle").attribute("w:val").value());
    return style ? style : defaultStyle("paragraph");
}

pugi::xml_node StyleSheet::runProperty(pugi::xml_node runProperties, pugi::xml_node paragraph,
                                       const PropertyKey& key) const {
    if (pugi::xml_node own = childFor(runProperties, key))
        return own;
    if (pugi::xml_node characterStyle = byId(runProperties.child("w:rStyle").attribute("w:val").value())) {
        pugi::xml_node style = characterStyle;
        for (int depth = 0; style && depth < 64;
             ++depth, style = byId(style.child("w:basedOn").attribute("w:val").value())) {
            if (pugi::xml_node found = childFor(style.child("w:rPr"), key))
                return found;
        }
    }
    return styleProperty(paragraphStyle(paragraph), "w:rPr", key);
}

pugi::xml_node StyleSheet::paragraphProperty(pugi::xml_node paragraph, const PropertyKey& key) const {
    if (pugi::xml_node own = childFor(paragraph.child("w:pPr"), key))
        return own;
    return styleProperty(paragraphStyle(paragraph), "w:pPr", key);
}

} // namespace wordproc
