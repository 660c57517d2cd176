#pragma once
// The header and footer parts of a package (w:hdr, w:ftr): loaded when a section first needs one, made
// new when a section gets a header or footer of its own, and written back with the package. A part is
// known by its number, which stays the same for the life of the document.

#include "platform/wordproc/ContentTypes.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/Relationships.h"

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

enum class HeaderFooterKind { Header, Footer };

class HeaderFooterParts {
public:
    // The references name the main part's package, relationships and content types, which new parts
    // are entered into; `mainPart` is the main part's name, `source` names the file in messages.
    HeaderFooterParts(Package& package, Relationships& mainRelationships, ContentTypes& contentTypes,
                      const std::string& mainPart, const std::string& source)
        : m_package(package), m_relationships(mainRelationships), m_contentTypes(contentTypes),
          m_mainPart(mainPart), m_source(source) {}

    // The number of the part that the main part's relationship names. Throws Error when the relationship
    // or the part is missing, or the part is not of that kind.
    int byRelationship(std::string_view id, HeaderFooterKind kind);
    // A new part: a copy of part `copyOf` (its own relationships too), or with -1 a part of one empty
    // paragraph. Returns its number.
    int create(HeaderFooterKind kind, int copyOf);

    pugi::xml_node root(int number) const;
    const std::string& relationshipId(int number) const;

    // Puts the parts' XML back into the package.
    void writeBack() const;

private:
    struct Part {
        HeaderFooterKind kind;
        std::string name;
        std::string relationshipId;
        std::unique_ptr<pugi::xml_document> dom;
    };
    const Part& part(int number) const;
    std::string freeName(HeaderFooterKind kind) const;

    Package& m_package;
    Relationships& m_relationships;
    ContentTypes& m_contentTypes;
    const std::string& m_mainPart;
    const std::string& m_source;
    std::vector<Part> m_parts;
};

} // namespace wordproc
