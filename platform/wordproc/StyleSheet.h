#pragma once
// Reading the style sheet (styles.xml): styles by id or by name, and the inheritance of properties from
// direct formatting through the styles to the document defaults.

#include <pugixml.hpp>

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace wordproc {

// What a lookup of an inherited property wants: the element of that name, and when attributes are
// listed, only an element that has one of them. Attributes inherit one by one: a run that sets only the
// East Asian font still takes its Latin font from the style.
struct PropertyKey {
    const char* name;
    std::initializer_list<const char*> anyOf = {};

    bool matches(pugi::xml_node element) const;
};

// The styles indexed by id and default type when the sheet is made: a sheet serves while no style is
// added, removed or given another id (DocumentModel keeps one for the document's life).
class StyleSheet {
public:
    explicit StyleSheet(pugi::xml_node root);

    pugi::xml_node byId(std::string_view id) const;
    // By name, ignoring ASCII letter case: the style's w:name, one of its w:aliases, or a Chinese host's
    // name of a built-in style ("正文" is "Normal", "标题 1" is "heading 1" ...).
    pugi::xml_node byName(std::string_view name) const;
    // The default style of a type ("paragraph", "character", "table").
    pugi::xml_node defaultStyle(std::string_view type) const;

    // The first element for the key in a properties group (w:rPr or w:pPr) along the style's w:basedOn
    // chain, then the document defaults. Null when nothing sets it.
    pugi::xml_node styleProperty(pugi::xml_node style, const char* group, const PropertyKey& key) const;

    // For a run: its own w:rPr, its character style, its paragraph's style, the document defaults.
    // `runProperties` may be null (text without direct formatting), or a paragraph mark's w:rPr.
    pugi::xml_node runProperty(pugi::xml_node runProperties, pugi::xml_node paragraph,
                               const PropertyKey& key) const;

    // For a paragraph: its own w:pPr, its style, the document defaults.
    pugi::xml_node paragraphProperty(pugi::xml_node paragraph, const PropertyKey& key) const;

    // The style of the paragraph: its w:pStyle or the default paragraph style.
    pugi::xml_node paragraphStyle(pugi::xml_node paragraph) const;

private:
    pugi::xml_node defaults(const char* group) const;

    // Looked up by string_view without making a string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };
    using Index = std::unordered_map<std::string, pugi::xml_node, NameHash, std::equal_to<>>;

    pugi::xml_node m_root;
    Index m_byId;          // the first style of each id
    Index m_defaultByType; // the first default style of each type
};

} // namespace wordproc
