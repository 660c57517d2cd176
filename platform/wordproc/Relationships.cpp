#include "platform/wordproc/Relationships.h"

#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

constexpr const char* RelationshipsNamespace = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string folderOf(std::string_view part) {
    std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

} // namespace

Relationships Relationships::parse(std::string_view xml, const std::string& what) {
    pugi::xml_document document;
    xml::parse(document, xml, what);
    Relationships result;
    for (pugi::xml_node node : document.document_element().children("Relationship")) {
        result.m_entries.push_back({node.attribute("Id").value(), node.attribute("Type").value(),
                                    node.attribute("Target").value(),
                                    std::string_view(node.attribute("TargetMode").value()) == "External"});
    }
    return result;
}

const Relationship* Relationships::findByType(std::string_view type) const {
    for (const Relationship& entry : m_entries) {
        if (entry.type == type)
            return &entry;
    }
    return nullptr;
}

const Relationship* Relationships::findById(std::string_view id) const {
    for (const Relationship& entry : m_entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

std::string Relationships::add(std::string_view type, std::string_view target, std::string id) {
    for (int n = static_cast<int>(m_entries.size()) + 1; id.empty() || findById(id); ++n)
        id = "rId" + std::to_string(n);
    m_entries.push_back({id, std::string(type), std::string(target), false});
    return id;
}

std::string Relationships::toXml() const {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Relationships");
    root.append_attribute("xmlns") = RelationshipsNamespace;
    for (const Relationship& entry : m_entries) {
        pugi::xml_node node = root.append_child("Relationship");
        node.append_attribute("Id") = entry.id.c_str();
        node.append_attribute("Type") = entry.type.c_str();
        node.append_attribute("Target") = entry.target.c_str();
        if (entry.external)
            node.append_attribute("TargetMode") = "External";
    }
    return xml::serialize(document);
}

std::string Relationships::partFor(std::string_view sourcePart) {
    std::size_t slash = sourcePart.rfind('/');
    std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : sourcePart.substr(0, slash + 1);
    std::string_view file = slash == std::string_view::npos ? sourcePart : sourcePart.substr(slash + 1);
    return std::string(folder) + "_rels/" + std::string(file) + ".rels";
}

std::string Relationships::resolve(std::string_view sourcePart, std::string_view target) {
    std::string path =
        target.starts_with('/') ? std::string(target.substr(1)) : folderOf(sourcePart) + std::string(target);
    // Fold "." and ".." segments.
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& segment : segments)
        result += (result.empty() ? "" : "/") + segment;
    return result;
}

} // namespace wordproc
