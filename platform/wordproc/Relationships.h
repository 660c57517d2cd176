#pragma once
// The relationships part of a package or of one of its parts (_rels/.rels, word/_rels/document.xml.rels).

#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
    bool external = false;
};

class Relationships {
public:
    // Throws Error("<what>：...") for XML that is not well-formed.
    static Relationships parse(std::string_view xml, const std::string& what);

    const std::vector<Relationship>& all() const { return m_entries; }
    const Relationship* findByType(std::string_view type) const;
    const Relationship* findById(std::string_view id) const;

    // Adds an internal relationship under the given id, or under the first free "rIdN" when id is empty.
    // Returns the id.
    std::string add(std::string_view type, std::string_view target, std::string id = {});

    std::string toXml() const;

    // The relationships part of a source part ("" for the package itself).
    static std::string partFor(std::string_view sourcePart);
    // The part name that a relative target of the source part points to.
    static std::string resolve(std::string_view sourcePart, std::string_view target);

private:
    std::vector<Relationship> m_entries;
};

} // namespace wordproc
