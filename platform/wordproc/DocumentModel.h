#pragma once
// The engine's model of one open document: the package, the parsed parts that the engine edits, the
// spans that handles hold, and the paragraph indexes of its stories.

#include "platform/wordproc/HeaderFooterParts.h"
#include "platform/wordproc/ParsedPackage.h"
#include "platform/wordproc/ShapeIndex.h"
#include "platform/wordproc/Span.h"
#include "platform/wordproc/SpanTracker.h"
#include "platform/wordproc/StoryIndex.h"
#include "platform/wordproc/StyleSheet.h"

#include <pugixml.hpp>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace wordproc {

class DocumentModel {
public:
    // A model of the parsed parts; `source` names the file in messages.
    DocumentModel(ParsedPackage parts, std::string source, Flavour flavour);
    // The parts refer to each other: a model stays where it was made.
    DocumentModel(const DocumentModel&) = delete;
    DocumentModel& operator=(const DocumentModel&) = delete;

    Flavour flavour() const { return m_flavour; }
    const std::string& source() const { return m_source; }

    pugi::xml_node root() const { return m_parts.main.dom.document_element(); }
    pugi::xml_node body() const { return root().child("w:body"); }
    pugi::xml_node stylesRoot() const { return m_parts.styles.dom.document_element(); }
    // The style sheet with its index, made when first asked. The engine edits styles' properties but
    // never adds, removes or renames a style, which would stale the index.
    const StyleSheet& styleSheet() const;
    // The settings part's root, made when the package has none.
    pugi::xml_node settingsRoot();
    // The settings part's root, or null when the package has none.
    pugi::xml_node existingSettings() const { return m_parts.settings.dom.document_element(); }

    SpanTracker& tracker() { return m_tracker; }
    // The headers and footers, loaded as sections ask for them.
    HeaderFooterParts& headerFooters() { return m_headerFooters; }
    // Where the document's selection stands: a span that the tracker keeps in step with edits.
    Span& selection() { return *m_selection; }

    // The story's container (w:body, w:txbxContent). Throws Error when it is gone.
    pugi::xml_node storyContainer(StoryId story) const;
    // The story's paragraph index, rebuilt after changes. Formatting changes no position and keeps it.
    const StoryIndex& story(StoryId story);
    // Marks the story's index stale: call after any change of its characters or paragraphs.
    void textChanged(StoryId story);
    // After text went into the paragraph of entry `at` of a story whose index was current: the paragraph,
    // and the `added` new paragraphs split off in front of it, are measured again; the rest moves.
    void paragraphsGrew(StoryId story, std::size_t at, int added);

    // The floating shapes of the main text in order (listShapes), kept until its text or its shapes
    // change.
    const std::vector<ShapeEntry>& shapes();
    // The drawing of the main text (wp:anchor or wp:inline) whose wp:docPr has the id, or null.
    pugi::xml_node shapeById(int id) const;
    // The section properties of the main text in order (sectionsOf), kept like the shapes.
    const std::vector<pugi::xml_node>& sections() const;
    // Call after a shape or a section break was added: the lists above are made again. Changes of text
    // call it themselves.
    void structureChanged();

    // The characters a line that PageSetup.CharsLine asked for; the body style's spacing follows it when
    // margins or the body style's size change afterwards.
    std::optional<int> charsLine;

    // The package with the edited parts written back.
    std::string toBytes(Compression compression);

private:
    std::string m_source;
    Flavour m_flavour;
    ParsedPackage m_parts;
    mutable std::optional<StyleSheet> m_styleSheet;
    std::optional<std::vector<ShapeEntry>> m_shapes;
    mutable std::optional<std::unordered_map<int, pugi::xml_node>> m_shapesById;
    mutable std::optional<std::vector<pugi::xml_node>> m_sections;
    HeaderFooterParts m_headerFooters{m_parts.package, m_parts.mainRelationships, m_parts.contentTypes,
                                      m_parts.main.name, m_source};
    SpanTracker m_tracker;
    std::shared_ptr<Span> m_selection = m_tracker.track({});
    struct CachedIndex {
        bool current = false;
        StoryIndex index;
    };
    std::map<std::pair<int, int>, CachedIndex> m_stories;
};

} // namespace wordproc
