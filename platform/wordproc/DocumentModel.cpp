#include "platform/wordproc/DocumentModel.h"

#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Xml.h"

namespace wordproc {

namespace {

constexpr const char* EmptySettings =
    "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>";

} // namespace

DocumentModel::DocumentModel(ParsedPackage parts, std::string source, Flavour flavour)
    : m_source(std::move(source)), m_flavour(flavour), m_parts(std::move(parts)) {}

const StyleSheet& DocumentModel::styleSheet() const {
    if (!m_styleSheet)
        m_styleSheet.emplace(stylesRoot());
    return *m_styleSheet;
}

pugi::xml_node DocumentModel::settingsRoot() {
    if (m_parts.settings.name.empty())
        m_parts.adoptPart(m_parts.settings, "settings.xml", names::RelSettings, names::TypeSettings,
                          EmptySettings, m_source);
    return m_parts.settings.dom.document_element();
}

pugi::xml_node DocumentModel::storyContainer(StoryId story) const {
    if (story.kind == StoryKind::Main)
        return body();
    if (story.kind == StoryKind::Header || story.kind == StoryKind::Footer)
        return m_headerFooters.root(story.key);
    pugi::xml_node content = xml::firstDescendant(shapeById(story.key), {"w:txbxContent"});
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
    // Text that went may have taken shapes with it, in any story.
    structureChanged();
}

void DocumentModel::paragraphsGrew(StoryId story, std::size_t at, int added) {
    structureChanged();
    CachedIndex& cached = m_stories[{static_cast<int>(story.kind), story.key}];
    if (!cached.current || at >= cached.index.paragraphs.size()) {
        cached.current = false;
        return;
    }
    remeasureParagraphs(cached.index, at, added);
}

const std::vector<ShapeEntry>& DocumentModel::shapes() {
    if (!m_shapes)
        // Word counts shapes by their anchors, WPS as they are drawn (ShapeOrder).
        m_shapes =
            listShapes(story({}), m_flavour == Flavour::Wps ? ShapeOrder::Stacking : ShapeOrder::Anchors);
    return *m_shapes;
}

pugi::xml_node DocumentModel::shapeById(int id) const {
    if (!m_shapesById)
        m_shapesById = drawingsById(body());
    auto found = m_shapesById->find(id);
    return found == m_shapesById->end() ? pugi::xml_node() : found->second;
}

const std::vector<pugi::xml_node>& DocumentModel::sections() const {
    if (!m_sections)
        m_sections = sectionsOf(body());
    return *m_sections;
}

void DocumentModel::structureChanged() {
    m_shapes.reset();
    m_shapesById.reset();
    m_sections.reset();
}

std::string DocumentModel::toBytes(Compression compression) {
    Package& package = m_parts.package;
    package.setPart(m_parts.main.name, xml::serialize(m_parts.main.dom));
    package.setPart(m_parts.styles.name, xml::serialize(m_parts.styles.dom));
    if (!m_parts.settings.name.empty())
        package.setPart(m_parts.settings.name, xml::serialize(m_parts.settings.dom));
    m_headerFooters.writeBack();
    if (!m_parts.mainRelationships.all().empty())
        package.setPart(Relationships::partFor(m_parts.main.name), m_parts.mainRelationships.toXml());
    package.setPart(names::ContentTypesPart, m_parts.contentTypes.toXml());
    return package.toBytes(compression);
}

} // namespace wordproc
