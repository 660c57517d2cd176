#pragma once
// The parts of a word-processing package that the engine parses when it opens one: the main part, the
// styles and the settings, with the package's content types and the main part's relationships. Parsed
// and checked once, they are copied for every document made from the same template (TemplateCache.h).

#include "platform/wordproc/ContentTypes.h"
#include "platform/wordproc/Package.h"
#include "platform/wordproc/Relationships.h"

#include <pugixml.hpp>

#include <string>

namespace wordproc {

struct XmlPart {
    std::string name; // empty: the package has no such part
    pugi::xml_document dom;
};

struct ParsedPackage {
    // Parses the parts; a package without styles gets an empty style sheet. `source` names the file in
    // messages. Throws Error when the package holds no word-processing document or its main parts are
    // damaged, nest too deep or need too much memory (Xml.h).
    static ParsedPackage parse(Package package, const std::string& source);

    // A copy that shares nothing that an edit could reach.
    ParsedPackage copy() const;

    // Adds a part that the package lacks, next to the main part.
    void adoptPart(XmlPart& part, const char* stem, const char* relationship, const char* contentType,
                   const char* rootXml, const std::string& source);

    Package package;
    ContentTypes contentTypes;
    XmlPart main;
    Relationships mainRelationships;
    XmlPart styles;
    XmlPart settings;
};

} // namespace wordproc
