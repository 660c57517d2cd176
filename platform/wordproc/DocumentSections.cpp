#include "platform/wordproc/DocumentSections.h"

#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/PageGeometry.h"
#include "platform/wordproc/ParagraphFormatting.h"
#include "platform/wordproc/SectionOptions.h"
#include "platform/wordproc/TextInsertion.h"
#include "platform/wordproc/Xml.h"

#include <string_view>
#include <vector>

namespace wordproc {

namespace {

bool endsSection(const ParagraphEntry& entry) {
    return static_cast<bool>(entry.node.child("w:pPr").child("w:sectPr"));
}

// The copy in front of a break keeps what belongs to a section's start and its own headers and
// footers; the original behind it links to those and goes on with the page numbers.
void startAfterBreak(pugi::xml_node section, int start) {
    xml::removeChildren(section, "w:headerReference");
    xml::removeChildren(section, "w:footerReference");
    if (pugi::xml_node numbering = section.child("w:pgNumType")) {
        numbering.remove_attribute("w:start");
        if (!numbering.first_attribute())
            section.remove_child(numbering);
    }
    PageFormat format;
    format.sectionStart = start;
    applySectionOptions(section, format);
}

pugi::xml_node finalSection(DocumentModel& model) {
    if (pugi::xml_node last = model.body().child("w:sectPr"))
        return last;
    pugi::xml_node last = model.body().append_child("w:sectPr");
    model.structureChanged();
    return last;
}

} // namespace

int DocumentSections::count() const {
    return static_cast<int>(m_model.sections().size());
}

int DocumentSections::sectionAt(int position) const {
    const StoryIndex& index = m_model.story({});
    std::size_t holding = index.find(position);
    int section = 1;
    for (std::size_t i = 0; i < holding && i < index.paragraphs.size(); ++i)
        section += endsSection(index.paragraphs[i]) ? 1 : 0;
    return std::min(section, std::max(1, count()));
}

Span DocumentSections::span(int section) const {
    properties(section); // the section must exist
    const StoryIndex& index = m_model.story({});
    int number = 1;
    int start = 0;
    for (const ParagraphEntry& entry : index.paragraphs) {
        if (!endsSection(entry))
            continue;
        if (number == section)
            return {{}, start, entry.end()};
        ++number;
        start = entry.end();
    }
    return {{}, start, index.length};
}

pugi::xml_node DocumentSections::properties(int section) const {
    std::vector<pugi::xml_node> sections = m_model.sections();
    if (section < 1 || section > static_cast<int>(sections.size()))
        throw Error("所要求的节不存在。");
    return sections[static_cast<std::size_t>(section - 1)];
}

int DocumentSections::insertBreak(int position, int start, Bias bias) {
    if (!sectionStartName(start))
        throw Error("节的起始位置无效（应为 0 到 4）。");
    const ParagraphEntry& entry = m_model.story({}).holding(position);
    if (inTableCell(entry.node))
        throw Error("不能在表格中插入分节符。");
    finalSection(m_model);
    pugi::xml_node section = properties(sectionAt(position));
    pugi::xml_document scratch;
    pugi::xml_node format = scratch.append_copy(formatAtPosition(m_model, {}, position, false));
    int length = insertAtPosition(m_model, {}, position, bias, "\r", format);
    m_model.tracker().inserted({}, position, length, nullptr);
    // The paragraph in front of the new mark ends the first half.
    pugi::xml_node front = m_model.story({}).holding(position).node;
    pugi::xml_node properties = ensureParagraphProperties(front);
    pugi::xml_node slot = xml::ensureChild(properties, "w:sectPr", xml::paragraphPropertyOrder);
    properties.insert_copy_before(section, slot);
    properties.remove_child(slot);
    m_model.structureChanged();
    startAfterBreak(section, start);
    return position + length;
}

bool DocumentSections::restartsNumbering(int section) const {
    return static_cast<bool>(properties(section).child("w:pgNumType").attribute("w:start"));
}

void DocumentSections::setRestartsNumbering(int section, bool restart) {
    pugi::xml_node node = properties(section);
    if (restart == restartsNumbering(section))
        return;
    if (restart) {
        setStartingNumber(section, 1);
        return;
    }
    pugi::xml_node numbering = node.child("w:pgNumType");
    numbering.remove_attribute("w:start");
    if (!numbering.first_attribute())
        node.remove_child(numbering);
}

int DocumentSections::startingNumber(int section) const {
    return static_cast<int>(xml::numberAttribute(properties(section).child("w:pgNumType"), "w:start", 1));
}

void DocumentSections::setStartingNumber(int section, int number) {
    if (number < 0)
        throw Error("起始页码无效。");
    pugi::xml_node numbering =
        xml::ensureChild(properties(section), "w:pgNumType", xml::sectionPropertyOrder);
    xml::setAttribute(numbering, "w:start", number);
}

} // namespace wordproc
