#pragma once
// The engine's model of one open document: the package, the parsed parts that the engine edits, the
// spans that handles hold, and the paragraph indexes of its stories.

#include "platform/wordproc/ContentTypes.h"
#include "platform/wordproc/HeaderFooterParts.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/Relationships.h"
#include "platform/wordproc/Span.h"
#include "platform/wordproc/SpanTracker.h"
#include "platform/wordproc/StoryIndex.h"

#include <pugixml.hpp>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace wordproc {

struct XmlPart {
    std::string name; // empty: the package has no such part
    pugi::xml_document dom;
};

class DocumentModel {
public:
    // Parses the parts. `source` names the file in messages. Throws Error when the package holds no
    // word-processing document or its main parts are damaged.
    DocumentModel(Package package, std::string source, Flavour flavour);
    // The parts refer to each other: a model stays where it was made.
    DocumentModel(const DocumentModel&) = delete;
    DocumentModel& operator=(const DocumentModel&) = delete;

    Flavour flavour() const { return m_flavour; }
    const std::string& source() const { return m_source; }

    pugi::xml_node root() const { return m_main.dom.document_element(); }
    pugi::xml_node body() const { return root().child("w:body"); }
    pugi::xml_node stylesRoot() const { return m_styles.dom.document_element(); }
    // The settings part's root, made when the package has none.
    pugi::xml_node settingsRoot();
    // The settings part's root, or null when the package has none.
    pugi::xml_node existingSettings() const { return m_settings.dom.document_element(); }

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

    // The characters a line that PageSetup.CharsLine asked for; the body style's spacing follows it when
    // margins or the body style's size change afterwards.
    std::optional<int> charsLine;

    // The package with the edited parts written back.
    std::string toBytes(Compression compression);

private:
    void loadMainPart();
    void loadStyles();
    // Adds a part that the package lacks, next to the main part.
    void adoptPart(XmlPart& part, const char* stem, const char* relationship, const char* contentType,
                   const char* rootXml);

    std::string m_source;
    Flavour m_flavour;
    Package m_package;
    ContentTypes m_contentTypes;
    XmlPart m_main;
    Relationships m_mainRelationships;
    XmlPart m_styles;
    XmlPart m_settings;
    HeaderFooterParts m_headerFooters{m_package, m_mainRelationships, m_contentTypes, m_main.name, m_source};
    SpanTracker m_tracker;
    std::shared_ptr<Span> m_selection = m_tracker.track({});
    struct CachedIndex {
        bool current = false;
        StoryIndex index;
    };
    std::map<std::pair<int, int>, CachedIndex> m_stories;
};

} // namespace wordproc
