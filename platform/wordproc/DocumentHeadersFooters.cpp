#include "platform/wordproc/DocumentHeadersFooters.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/DocumentSections.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PackageNames.h"
#include "platform/wordproc/PageNumberParagraphs.h"
#include "platform/wordproc/RunFormatting.h"
#include "platform/wordproc/StyleSheet.h"
#include "platform/wordproc/Xml.h"

#include <cmath>
#include <string_view>

namespace wordproc {

namespace {

const char* referenceName(HeaderFooterKind kind) {
    return kind == HeaderFooterKind::Header ? "w:headerReference" : "w:footerReference";
}

const char* typeName(int type) {
    static const char* names[] = {"default", "first", "even"};
    if (type < 1 || type > 3)
        throw Error("页眉页脚的类型无效（应为 1 到 3）。");
    return names[type - 1];
}

StoryId storyOf(HeaderFooterKind kind, int part) {
    return {kind == HeaderFooterKind::Header ? StoryKind::Header : StoryKind::Footer, part};
}

pugi::xml_node ownReference(pugi::xml_node section, HeaderFooterKind kind, int type) {
    std::string_view wanted = typeName(type);
    for (pugi::xml_node reference : section.children(referenceName(kind))) {
        std::string_view value = reference.attribute("w:type").value();
        if (value == wanted || (value.empty() && type == 1))
            return reference;
    }
    return {};
}

void addReference(pugi::xml_node section, HeaderFooterKind kind, int type, const std::string& id) {
    // References come first in a section's properties, in any order among themselves.
    pugi::xml_node before = section.first_child();
    while (before && (std::string_view(before.name()) == "w:headerReference" ||
                      std::string_view(before.name()) == "w:footerReference"))
        before = before.next_sibling();
    pugi::xml_node reference = before ? section.insert_child_before(referenceName(kind), before)
                                      : section.append_child(referenceName(kind));
    reference.append_attribute("w:type") = typeName(type);
    reference.append_attribute("r:id") = id.c_str();
}

void setDifferentFirstPage(pugi::xml_node section) {
    xml::removeChildren(section, "w:titlePg");
    xml::ensureChild(section, "w:titlePg", xml::sectionPropertyOrder);
}

// The paragraph style of headers or footers, and the width of one of its characters.
PageNumberStyle numberStyle(const DocumentModel& model, HeaderFooterKind kind, int alignment) {
    const StyleSheet& styles = model.styleSheet();
    pugi::xml_node style = styles.byName(kind == HeaderFooterKind::Header ? "header" : "footer");
    CharFormat format = resolveCharFormat([&](const PropertyKey& key) {
        return style ? styles.styleProperty(style, "w:rPr", key) : pugi::xml_node();
    });
    PageNumberStyle result;
    result.alignment = alignment;
    result.styleId = style.attribute("w:styleId").value();
    result.characterTwips = static_cast<int>(std::lround(format.size.value_or(10.5f) * 20));
    return result;
}

} // namespace

int DocumentHeadersFooters::shownPart(int section, HeaderFooterKind kind, int type) {
    DocumentSections sections(m_model);
    for (int s = section; s >= 1; --s) {
        if (pugi::xml_node reference = ownReference(sections.properties(s), kind, type))
            return m_model.headerFooters().byRelationship(reference.attribute("r:id").value(), kind);
    }
    return -1;
}

bool DocumentHeadersFooters::exists(int section, HeaderFooterKind, int type) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    typeName(type); // throws for a type that does not exist
    if (type == 2)
        return xml::isOn(properties.child("w:titlePg"));
    if (type == 3)
        return xml::isOn(m_model.existingSettings().child("w:evenAndOddHeaders"));
    return true;
}

bool DocumentHeadersFooters::linkedToPrevious(int section, HeaderFooterKind kind, int type) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    return section > 1 && !ownReference(properties, kind, type);
}

void DocumentHeadersFooters::setLinkedToPrevious(int section, HeaderFooterKind kind, int type, bool linked) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    if (!linked) {
        ownPart(section, kind, type);
        return;
    }
    if (section == 1)
        return;
    while (pugi::xml_node reference = ownReference(properties, kind, type))
        properties.remove_child(reference);
}

int DocumentHeadersFooters::ownPart(int section, HeaderFooterKind kind, int type) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    HeaderFooterParts& parts = m_model.headerFooters();
    if (pugi::xml_node reference = ownReference(properties, kind, type))
        return parts.byRelationship(reference.attribute("r:id").value(), kind);
    int shown = shownPart(section, kind, type);
    // A first page that showed nothing gets what the other pages show, numbers aside.
    if (shown < 0 && type == 2)
        shown = shownPart(section, kind, 1);
    int part = parts.create(kind, shown);
    if (shown < 0) {
        // A new one is an empty paragraph of the header or footer style.
        parts.root(part).remove_children();
        ensureParagraph(parts.root(part), numberStyle(m_model, kind, 1).styleId);
    }
    if (!m_model.root().attribute("xmlns:r"))
        m_model.root().append_attribute("xmlns:r") = names::NamespaceR;
    addReference(properties, kind, type, parts.relationshipId(part));
    return part;
}

void DocumentHeadersFooters::writePageNumber(int section, HeaderFooterKind kind, int type, int alignment) {
    int part = ownPart(section, kind, type);
    pugi::xml_node root = m_model.headerFooters().root(part);
    pugi::xml_node place = removePageNumbers(root);
    // The number takes the place of the empty paragraph of a new footer rather than standing under it.
    if (pugi::xml_node empty = loneEmptyParagraph(root)) {
        place = empty.next_sibling();
        root.remove_child(empty);
    }
    insertPageNumber(root, place, numberStyle(m_model, kind, alignment));
    m_model.textChanged(storyOf(kind, part));
}

void DocumentHeadersFooters::addPageNumbers(int section, HeaderFooterKind kind, int type, int alignment,
                                            bool firstPage) {
    typeName(type);
    if (alignment < 0 || alignment > 4)
        throw Error("页码的对齐方式无效（应为 0 到 4）。");
    // Inside and outside numbers change sides between odd and even pages (odd pages count as right-hand
    // ones): the odd pages' footer and the even pages' own footer each hold one side, as every reader shows.
    bool alternating = alignment >= 3;
    int odd = alignment == 3 ? 0 : alignment == 4 ? 2 : alignment;
    int even = alignment == 3 ? 2 : alignment == 4 ? 0 : alignment;
    if (alternating)
        useEvenPages();
    writePageNumber(section, kind, type, type == 3 ? even : odd);
    if (alternating && type == 1)
        writePageNumber(section, kind, 3, even);
    if (type != 1)
        return;
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    if (!firstPage)
        setDifferentFirstPage(properties);
    if (xml::isOn(properties.child("w:titlePg")))
        numberFirstPage(section, kind, firstPage);
}

void DocumentHeadersFooters::useEvenPages() {
    pugi::xml_node settings = m_model.settingsRoot();
    if (xml::isOn(settings.child("w:evenAndOddHeaders")))
        return;
    // Every section's even pages go on showing what its other pages show.
    DocumentSections sections(m_model);
    for (int section = 1; section <= sections.count(); ++section) {
        for (HeaderFooterKind kind : {HeaderFooterKind::Header, HeaderFooterKind::Footer}) {
            pugi::xml_node properties = sections.properties(section);
            pugi::xml_node primary = ownReference(properties, kind, 1);
            if (primary && !ownReference(properties, kind, 3)) {
                HeaderFooterParts& parts = m_model.headerFooters();
                int copy = parts.create(kind, parts.byRelationship(primary.attribute("r:id").value(), kind));
                addReference(properties, kind, 3, parts.relationshipId(copy));
            }
        }
    }
    xml::removeChildren(settings, "w:evenAndOddHeaders");
    xml::ensureChild(settings, "w:evenAndOddHeaders", xml::settingsOrder);
}

int DocumentHeadersFooters::pageNumberCount(int section, HeaderFooterKind kind, int type) {
    int part = shownPart(section, kind, type);
    int count = 0;
    if (part >= 0) {
        for (pugi::xml_node paragraph : m_model.headerFooters().root(part).children("w:p"))
            count += isPageNumberParagraph(paragraph) ? 1 : 0;
    }
    return count;
}

bool DocumentHeadersFooters::showFirstPageNumber(int section, HeaderFooterKind kind) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    return pageNumberCount(section, kind, xml::isOn(properties.child("w:titlePg")) ? 2 : 1) > 0;
}

void DocumentHeadersFooters::setShowFirstPageNumber(int section, HeaderFooterKind kind, bool show) {
    pugi::xml_node properties = DocumentSections(m_model).properties(section);
    if (!show)
        setDifferentFirstPage(properties);
    if (xml::isOn(properties.child("w:titlePg")))
        numberFirstPage(section, kind, show);
}

void DocumentHeadersFooters::numberFirstPage(int section, HeaderFooterKind kind, bool show) {
    HeaderFooterParts& parts = m_model.headerFooters();
    int first = ownPart(section, kind, 2);
    pugi::xml_node root = parts.root(first);
    pugi::xml_node place = removePageNumbers(root);
    int primary = shownPart(section, kind, 1);
    if (show && primary >= 0) {
        for (pugi::xml_node paragraph : parts.root(primary).children("w:p")) {
            if (isPageNumberParagraph(paragraph))
                place ? root.insert_copy_before(paragraph, place) : root.append_copy(paragraph);
        }
    }
    ensureParagraph(root, numberStyle(m_model, kind, 1).styleId);
    m_model.textChanged(storyOf(kind, first));
}

} // namespace wordproc
