#include "platform/wordproc/DocumentModel.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

constexpr const char* EmptyStyles =
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>";
constexpr const char* EmptySettings =
    "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>";

std::string damaged(const std::string& source, const std::string& why) {
    return source + "：文档已损坏（" + why + "）。";
}

} // namespace

DocumentModel::DocumentModel(Package package, std::string source, Flavour flavour)
    : m_source(std::move(source)), m_flavour(flavour), m_package(std::move(package)) {
    m_contentTypes = ContentTypes::parse(*m_package.find(names::ContentTypesPart), m_source);
    loadMainPart();
    loadStyles();
    if (const Relationship* settings = m_mainRelationships.findByType(names::RelSettings)) {
        std::string name = Relationships::resolve(m_main.name, settings->target);
        if (const std::string* bytes = m_package.find(name)) {
            xml::parse(m_settings.dom, *bytes, m_source);
            m_settings.name = name;
        }
    }
    ensureUniqueDrawingIds(body());
}

void DocumentModel::loadMainPart() {
    Relationships package = Relationships::parse(*m_package.find(names::PackageRelationshipsPart), m_source);
    const Relationship* office = package.findByType(names::RelOfficeDocument);
    m_main.name = office ? Relationships::resolve("", office->target) : std::string();
    const std::string* bytes = m_package.find(m_main.name);
    if (!bytes)
        throw Error(m_source + "：不是 Word 文档（文档包里没有正文部件）。");
    xml::parse(m_main.dom, *bytes, m_source);
    if (std::string_view(root().name()) != "w:document" || !body())
        throw Error(damaged(m_source, "正文部件没有 w:body"));
    if (const std::string* rels = m_package.find(Relationships::partFor(m_main.name)))
        m_mainRelationships = Relationships::parse(*rels, m_source);
    // A document made from a template is a document, whatever the template's own type says.
    std::string type = m_contentTypes.typeOf(m_main.name);
    if (type == names::TypeTemplateMain)
        m_contentTypes.setOverride(m_main.name, names::TypeDocumentMain);
    else if (type == names::TypeTemplateMacroMain)
        m_contentTypes.setOverride(m_main.name, names::TypeDocumentMacroMain);
}

void DocumentModel::loadStyles() {
    if (const Relationship* styles = m_mainRelationships.findByType(names::RelStyles)) {
        std::string name = Relationships::resolve(m_main.name, styles->target);
        if (const std::string* bytes = m_package.find(name)) {
            xml::parse(m_styles.dom, *bytes, m_source);
            m_styles.name = name;
            return;
        }
    }
    adoptPart(m_styles, "styles.xml", names::RelStyles, names::TypeStyles, EmptyStyles);
}

void DocumentModel::adoptPart(XmlPart& part, const char* stem, const char* relationship,
                              const char* contentType, const char* rootXml) {
    std::string folder = m_main.name.substr(0, m_main.name.rfind('/') + 1);
    part.name = folder + stem;
    xml::parse(part.dom, rootXml, m_source);
    m_mainRelationships.add(relationship, stem);
    m_contentTypes.setOverride(part.name, contentType);
}

pugi::xml_node DocumentModel::settingsRoot() {
    if (m_settings.name.empty())
        adoptPart(m_settings, "settings.xml", names::RelSettings, names::TypeSettings, EmptySettings);
    return m_settings.dom.document_element();
}

pugi::xml_node DocumentModel::storyContainer(StoryId story) const {
    if (story.kind == StoryKind::Main)
        return body();
    if (story.kind == StoryKind::Header || story.kind == StoryKind::Footer)
        return m_headerFooters.root(story.key);
    pugi::xml_node content = findShapeById(body(), story.key).select_node(".//w:txbxContent").node();
    if (!content)
        throw Error("这个文本框已经不在文档里了。");
    return content;
}

const StoryIndex& DocumentModel::story(StoryId story) {
    CachedIndex& cached = m_stories[{static_cast<int>(story.kind), story.key}];
    if (!cached.current) {
        cached.index = buildStoryIndex(storyContainer(story), m_flavour);
        cached.current = true;
    }
    return cached.index;
}

void DocumentModel::textChanged(StoryId story) {
    m_stories[{static_cast<int>(story.kind), story.key}].current = false;
}

void DocumentModel::paragraphsGrew(StoryId story, std::size_t at, int added) {
    CachedIndex& cached = m_stories[{static_cast<int>(story.kind), story.key}];
    if (!cached.current || at >= cached.index.paragraphs.size()) {
        cached.current = false;
        return;
    }
    remeasureParagraphs(cached.index, at, added);
}

std::string DocumentModel::toBytes(Compression compression) {
    m_package.setPart(m_main.name, xml::serialize(m_main.dom));
    m_package.setPart(m_styles.name, xml::serialize(m_styles.dom));
    if (!m_settings.name.empty())
        m_package.setPart(m_settings.name, xml::serialize(m_settings.dom));
    m_headerFooters.writeBack();
    if (!m_mainRelationships.all().empty())
        m_package.setPart(Relationships::partFor(m_main.name), m_mainRelationships.toXml());
    m_package.setPart(names::ContentTypesPart, m_contentTypes.toXml());
    return m_package.toBytes(compression);
}

} // namespace wordproc
