#include "platform/wordproc/ParsedPackage.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

constexpr const char* EmptyStyles =
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>";

std::string damaged(const std::string& source, const std::string& why) {
    return source + "：文档已损坏（" + why + "）。";
}

void loadMainPart(ParsedPackage& parts, const std::string& source) {
    Relationships package =
        Relationships::parse(*parts.package.find(names::PackageRelationshipsPart), source);
    const Relationship* office = package.findByType(names::RelOfficeDocument);
    parts.main.name = office ? Relationships::resolve("", office->target) : std::string();
    const std::string* bytes = parts.package.find(parts.main.name);
    if (!bytes)
        throw Error(source + "：不是 Word 文档（文档包里没有正文部件）。");
    xml::parse(parts.main.dom, *bytes, source);
    pugi::xml_node root = parts.main.dom.document_element();
    if (std::string_view(root.name()) != "w:document" || !root.child("w:body"))
        throw Error(damaged(source, "正文部件没有 w:body"));
    if (const std::string* rels = parts.package.find(Relationships::partFor(parts.main.name)))
        parts.mainRelationships = Relationships::parse(*rels, source);
    // A document made from a template is a document, whatever the template's own type says.
    std::string type = parts.contentTypes.typeOf(parts.main.name);
    if (type == names::TypeTemplateMain)
        parts.contentTypes.setOverride(parts.main.name, names::TypeDocumentMain);
    else if (type == names::TypeTemplateMacroMain)
        parts.contentTypes.setOverride(parts.main.name, names::TypeDocumentMacroMain);
}

// Parses the part that the main part's relationship of that type names, if the package has it.
bool loadRelated(ParsedPackage& parts, XmlPart& part, const char* relationship, const std::string& source) {
    const Relationship* related = parts.mainRelationships.findByType(relationship);
    if (!related)
        return false;
    std::string name = Relationships::resolve(parts.main.name, related->target);
    const std::string* bytes = parts.package.find(name);
    if (!bytes)
        return false;
    xml::parse(part.dom, *bytes, source);
    part.name = name;
    return true;
}

void copyPart(const XmlPart& from, XmlPart& to) {
    to.name = from.name;
    to.dom.reset(from.dom);
}

} // namespace

ParsedPackage ParsedPackage::parse(Package package, const std::string& source) {
    ParsedPackage parts;
    parts.package = std::move(package);
    parts.contentTypes = ContentTypes::parse(*parts.package.find(names::ContentTypesPart), source);
    loadMainPart(parts, source);
    if (!loadRelated(parts, parts.styles, names::RelStyles, source))
        parts.adoptPart(parts.styles, "styles.xml", names::RelStyles, names::TypeStyles, EmptyStyles, source);
    loadRelated(parts, parts.settings, names::RelSettings, source);
    ensureUniqueDrawingIds(parts.main.dom.document_element().child("w:body"));
    return parts;
}

ParsedPackage ParsedPackage::copy() const {
    ParsedPackage parts;
    parts.package = package;
    parts.contentTypes = contentTypes;
    copyPart(main, parts.main);
    parts.mainRelationships = mainRelationships;
    copyPart(styles, parts.styles);
    copyPart(settings, parts.settings);
    return parts;
}

void ParsedPackage::adoptPart(XmlPart& part, const char* stem, const char* relationship,
                              const char* contentType, const char* rootXml, const std::string& source) {
    std::string folder = main.name.substr(0, main.name.rfind('/') + 1);
    part.name = folder + stem;
    xml::parse(part.dom, rootXml, source);
    mainRelationships.add(relationship, stem);
    contentTypes.setOverride(part.name, contentType);
}

} // namespace wordproc
