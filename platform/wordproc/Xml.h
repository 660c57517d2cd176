#pragma once
// XML helpers of the engine: parsing and writing parts, and children kept in the order the schema wants.
// Element names carry the prefixes that every OOXML producer uses (w:, wp:, a:, wps:, r:, mc:).

#include <pugixml.hpp>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc::xml {

// The deepest nesting of elements that a part may have. Real documents stay far below it (a table in a
// table cell costs four levels); the engine's walks recurse once per level and rely on this bound.
constexpr int MaxNestingDepth = 256;

// The memory that parsing one part may take. A real part of the largest size a package may hold needs
// about that much; a part of nothing but empty elements needs sixteen times its size and is refused.
constexpr std::size_t MaxParseMemory = 256u << 20;

// Parses a part. Whitespace-only text is kept only where it is an element's sole content (a w:t of
// blanks). Throws Error("<what>：...") when the bytes are not well-formed XML, nest deeper than
// MaxNestingDepth or need more memory than `memory`.
void parse(pugi::xml_document& document, std::string_view bytes, const std::string& what,
           std::size_t memory = MaxParseMemory);

// The part's bytes: the standard declaration, then the tree without added whitespace.
std::string serialize(const pugi::xml_document& document);

// The schema's order of a parent's children, as a list of element names.
using ChildOrder = std::initializer_list<const char*>;

// The named child, created at its schema position when missing.
pugi::xml_node ensureChild(pugi::xml_node parent, const char* name, ChildOrder order);

// The first element below the node, at any depth in document order, that has one of the names; null
// when there is none. What the XPath ".//a | .//b" finds, without compiling a query at every call.
pugi::xml_node firstDescendant(pugi::xml_node node, std::initializer_list<const char*> names);
// The nodes that the query finds below the node, in document order. `query` is an XPath compiled once
// by the caller (a static pugi::xpath_query): pugixml compiles a query given as text at every call.
std::vector<pugi::xml_node> select(pugi::xml_node node, const pugi::xpath_query& query);

// Removes every child of that name.
void removeChildren(pugi::xml_node parent, const char* name);

// Sets an attribute, creating it when missing.
void setAttribute(pugi::xml_node node, const char* name, std::string_view value);
void setAttribute(pugi::xml_node node, const char* name, long long value);

// The attribute's value as a number, or the fallback when it is missing or not a number.
long long numberAttribute(pugi::xml_node node, const char* name, long long fallback);

// True for the on/off elements of WordprocessingML (w:b, w:bCs ...): present and not "0"/"false"/"off".
bool isOn(pugi::xml_node toggle);

// Order tables used by more than one part of the engine.
extern const ChildOrder paragraphPropertyOrder;
extern const ChildOrder runPropertyOrder;
extern const ChildOrder sectionPropertyOrder;
extern const ChildOrder shapePropertyOrder;
// The settings part's children of the WordprocessingML namespace; others follow in any order.
extern const ChildOrder settingsOrder;

} // namespace wordproc::xml
