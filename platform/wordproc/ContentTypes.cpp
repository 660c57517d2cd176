#include "platform/wordproc/ContentTypes.h"

#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cctype>

namespace wordproc {

namespace {

constexpr const char* ContentTypesNamespace = "http://schemas.openxmlformats.org/package/2006/content-types";

// Part names and extensions compare without regard to ASCII letter case.
bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

void assign(std::vector<std::pair<std::string, std::string>>& entries, std::string_view key,
            std::string_view type) {
    for (auto& entry : entries) {
        if (sameName(entry.first, key)) {
            entry.second = type;
            return;
        }
    }
    entries.emplace_back(key, type);
}

} // namespace

ContentTypes ContentTypes::parse(std::string_view xml, const std::string& what) {
    pugi::xml_document document;
    xml::parse(document, xml, what);
    ContentTypes result;
    for (pugi::xml_node node : document.document_element().children()) {
        std::string_view name = node.name();
        if (name == "Default")
            result.m_defaults.emplace_back(node.attribute("Extension").value(),
                                           node.attribute("ContentType").value());
        else if (name == "Override")
            result.m_overrides.emplace_back(node.attribute("PartName").value(),
                                            node.attribute("ContentType").value());
    }
    return result;
}

std::string ContentTypes::typeOf(std::string_view partName) const {
    std::string absolute = "/" + std::string(partName);
    for (const auto& [part, type] : m_overrides) {
        if (sameName(part, absolute))
            return type;
    }
    std::size_t dot = partName.rfind('.');
    std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : partName.substr(dot + 1);
    for (const auto& [ext, type] : m_defaults) {
        if (sameName(ext, extension))
            return type;
    }
    return {};
}

void ContentTypes::setDefault(std::string_view extension, std::string_view type) {
    assign(m_defaults, extension, type);
}

void ContentTypes::setOverride(std::string_view partName, std::string_view type) {
    assign(m_overrides, "/" + std::string(partName), type);
}

std::string ContentTypes::toXml() const {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Types");
    root.append_attribute("xmlns") = ContentTypesNamespace;
    for (const auto& [extension, type] : m_defaults) {
        pugi::xml_node node = root.append_child("Default");
        node.append_attribute("Extension") = extension.c_str();
        node.append_attribute("ContentType") = type.c_str();
    }
    for (const auto& [part, type] : m_overrides) {
        pugi::xml_node node = root.append_child("Override");
        node.append_attribute("PartName") = part.c_str();
        node.append_attribute("ContentType") = type.c_str();
    }
    return xml::serialize(document);
}

} // namespace wordproc
