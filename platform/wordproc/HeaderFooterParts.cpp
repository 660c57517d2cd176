#include "platform/wordproc/HeaderFooterParts.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

struct KindNames {
    const char* stem; // "footer"
    const char* root; // "w:ftr"
    const char* relationship;
    const char* contentType;
};

KindNames namesOf(HeaderFooterKind kind) {
    if (kind == HeaderFooterKind::Header)
        return {"header", "w:hdr", names::RelHeader, names::TypeHeader};
    return {"footer", "w:ftr", names::RelFooter, names::TypeFooter};
}

std::string folderOf(const std::string& part) {
    return part.substr(0, part.rfind('/') + 1);
}

} // namespace

int HeaderFooterParts::byRelationship(std::string_view id, HeaderFooterKind kind) {
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        if (m_parts[i].relationshipId == id)
            return static_cast<int>(i);
    }
    KindNames names = namesOf(kind);
    const Relationship* relationship = m_relationships.findById(id);
    std::string name =
        relationship ? Relationships::resolve(m_mainPart, relationship->target) : std::string();
    const std::string* bytes =
        relationship && relationship->type == names.relationship && !relationship->external
            ? m_package.find(name)
            : nullptr;
    if (!bytes)
        throw Error(m_source + "：文档已损坏（页眉或页脚“" + std::string(id) + "”不存在）。");
    auto dom = std::make_unique<pugi::xml_document>();
    xml::parse(*dom, *bytes, m_source);
    if (std::string_view(dom->document_element().name()) != names.root)
        throw Error(m_source + "：文档已损坏（页眉或页脚“" + std::string(id) + "”的类型不对）。");
    m_parts.push_back({kind, name, std::string(id), std::move(dom)});
    return static_cast<int>(m_parts.size() - 1);
}

int HeaderFooterParts::create(HeaderFooterKind kind, int copyOf) {
    KindNames names = namesOf(kind);
    auto dom = std::make_unique<pugi::xml_document>();
    std::string name = freeName(kind);
    if (copyOf >= 0) {
        const Part& original = part(copyOf);
        dom->append_copy(original.dom->document_element());
        // The copy keeps the pictures and links of the original: its relationships point to the same
        // targets, and both parts lie in the same folder.
        if (const std::string* relationships = m_package.find(Relationships::partFor(original.name)))
            m_package.setPart(Relationships::partFor(name), *relationships);
    } else {
        pugi::xml_node root = dom->append_child(names.root);
        root.append_attribute("xmlns:w") = names::NamespaceW;
        root.append_attribute("xmlns:r") = names::NamespaceR;
        root.append_child("w:p");
    }
    std::string target = name.substr(folderOf(m_mainPart).size());
    std::string id = m_relationships.add(names.relationship, target);
    m_contentTypes.setOverride(name, names.contentType);
    m_parts.push_back({kind, name, id, std::move(dom)});
    return static_cast<int>(m_parts.size() - 1);
}

const HeaderFooterParts::Part& HeaderFooterParts::part(int number) const {
    if (number < 0 || number >= static_cast<int>(m_parts.size()))
        throw Error("这个页眉或页脚已经不在文档里了。");
    return m_parts[static_cast<std::size_t>(number)];
}

pugi::xml_node HeaderFooterParts::root(int number) const {
    return part(number).dom->document_element();
}

const std::string& HeaderFooterParts::relationshipId(int number) const {
    return part(number).relationshipId;
}

std::string HeaderFooterParts::freeName(HeaderFooterKind kind) const {
    std::string folder = folderOf(m_mainPart);
    for (int n = 1;; ++n) {
        std::string name = folder + namesOf(kind).stem + std::to_string(n) + ".xml";
        bool taken = m_package.contains(name);
        for (const Part& existing : m_parts)
            taken = taken || existing.name == name;
        if (!taken)
            return name;
    }
}

void HeaderFooterParts::writeBack() const {
    for (const Part& part : m_parts)
        m_package.setPart(part.name, xml::serialize(*part.dom));
}

} // namespace wordproc
