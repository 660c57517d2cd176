#pragma once
// The package's [Content_Types].xml: a content type per file extension, and overrides per part.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wordproc {

class ContentTypes {
public:
    // Throws Error("<what>：...") for XML that is not well-formed.
    static ContentTypes parse(std::string_view xml, const std::string& what);

    // The part's content type ("" when nothing names it). Part names are given without a leading "/".
    std::string typeOf(std::string_view partName) const;

    void setDefault(std::string_view extension, std::string_view type);
    void setOverride(std::string_view partName, std::string_view type);

    std::string toXml() const;

private:
    std::vector<std::pair<std::string, std::string>> m_defaults;  // extension, type
    std::vector<std::pair<std::string, std::string>> m_overrides; // "/part", type
};

} // namespace wordproc
