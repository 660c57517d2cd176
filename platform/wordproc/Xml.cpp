#include "platform/wordproc/Xml.h"

#include "platform/wordproc/Error.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

namespace wordproc::xml {

namespace {

struct StringWriter : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

int rankOf(std::string_view name, ChildOrder order) {
    int rank = 0;
    for (const char* entry : order) {
        if (name == entry)
            return rank;
        ++rank;
    }
    return rank; // names the table does not know go last
}

// What the parse running on this thread may still allocate; null outside parses. pugixml allocates
// through the functions below, which keep to it.
thread_local std::size_t* parseAllowance = nullptr;

void* allocateWithinAllowance(std::size_t size) {
    if (parseAllowance) {
        if (size > *parseAllowance)
            return nullptr; // pugixml reports it as out of memory
        *parseAllowance -= size;
    }
    return std::malloc(size);
}

void release(void* memory) {
    std::free(memory);
}

// Holds the allowance in force for one parse.
class Allowance {
public:
    explicit Allowance(std::size_t bytes) : m_left(bytes) { parseAllowance = &m_left; }
    ~Allowance() { parseAllowance = nullptr; }
    Allowance(const Allowance&) = delete;
    Allowance& operator=(const Allowance&) = delete;

private:
    std::size_t m_left;
};

// Parses within the allowance. pugixml's own functions are malloc and free as well, so memory that it
// took before the hook was installed is released alike.
pugi::xml_parse_result parseWithin(pugi::xml_document& document, std::string_view bytes, std::size_t memory) {
    static const bool hooked =
        (pugi::set_memory_management_functions(allocateWithinAllowance, release), true);
    (void)hooked;
    Allowance allowance(memory);
    unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    return document.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
}

bool isText(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// One walk over a parsed part (pugixml walks without recursion, at any depth): it stops at an element
// nested too deep, and joins text that a skipped comment or processing instruction, or a CDATA section,
// split into several nodes, so that an element's text is all of it, as the hosts read it, and stays so
// when the part is written.
class PartCheck : public pugi::xml_tree_walker {
public:
    bool tooDeep = false;

    bool for_each(pugi::xml_node& node) override {
        if (node.type() == pugi::node_element && depth() + 1 > MaxNestingDepth) {
            tooDeep = true;
            return false;
        }
        if (isText(node) && isText(node.next_sibling()))
            joinFollowingText(node);
        return true;
    }

private:
    static void joinFollowingText(pugi::xml_node node) {
        std::string joined = node.value();
        while (isText(node.next_sibling())) {
            joined += node.next_sibling().value();
            node.parent().remove_child(node.next_sibling());
        }
        node.set_value(joined.c_str());
    }
};

} // namespace

const ChildOrder paragraphPropertyOrder = {"w:pStyle",
                                           "w:keepNext",
                                           "w:keepLines",
                                           "w:pageBreakBefore",
                                           "w:framePr",
                                           "w:widowControl",
                                           "w:numPr",
                                           "w:suppressLineNumbers",
                                           "w:pBdr",
                                           "w:shd",
                                           "w:tabs",
                                           "w:suppressAutoHyphens",
                                           "w:kinsoku",
                                           "w:wordWrap",
                                           "w:overflowPunct",
                                           "w:topLinePunct",
                                           "w:autoSpaceDE",
                                           "w:autoSpaceDN",
                                           "w:bidi",
                                           "w:adjustRightInd",
                                           "w:snapToGrid",
                                           "w:spacing",
                                           "w:ind",
                                           "w:contextualSpacing",
                                           "w:mirrorIndents",
                                           "w:suppressOverlap",
                                           "w:jc",
                                           "w:textDirection",
                                           "w:textAlignment",
                                           "w:textboxTightWrap",
                                           "w:outlineLvl",
                                           "w:divId",
                                           "w:cnfStyle",
                                           "w:rPr",
                                           "w:sectPr",
                                           "w:pPrChange"};

const ChildOrder runPropertyOrder = {"w:ins",
                                     "w:del",
                                     "w:moveFrom",
                                     "w:moveTo",
                                     "w:rStyle",
                                     "w:rFonts",
                                     "w:b",
                                     "w:bCs",
                                     "w:i",
                                     "w:iCs",
                                     "w:caps",
                                     "w:smallCaps",
                                     "w:strike",
                                     "w:dstrike",
                                     "w:outline",
                                     "w:shadow",
                                     "w:emboss",
                                     "w:imprint",
                                     "w:noProof",
                                     "w:snapToGrid",
                                     "w:vanish",
                                     "w:webHidden",
                                     "w:color",
                                     "w:spacing",
                                     "w:w",
                                     "w:kern",
                                     "w:position",
                                     "w:sz",
                                     "w:szCs",
                                     "w:highlight",
                                     "w:u",
                                     "w:effect",
                                     "w:bdr",
                                     "w:shd",
                                     "w:fitText",
                                     "w:vertAlign",
                                     "w:rtl",
                                     "w:cs",
                                     "w:em",
                                     "w:lang",
                                     "w:eastAsianLayout",
                                     "w:specVanish",
                                     "w:oMath",
                                     "w:rPrChange"};

const ChildOrder sectionPropertyOrder = {"w:headerReference",
                                         "w:footerReference",
                                         "w:footnotePr",
                                         "w:endnotePr",
                                         "w:type",
                                         "w:pgSz",
                                         "w:pgMar",
                                         "w:paperSrc",
                                         "w:pgBorders",
                                         "w:lnNumType",
                                         "w:pgNumType",
                                         "w:cols",
                                         "w:formProt",
                                         "w:vAlign",
                                         "w:noEndnote",
                                         "w:titlePg",
                                         "w:textDirection",
                                         "w:bidi",
                                         "w:rtlGutter",
                                         "w:docGrid",
                                         "w:printerSettings",
                                         "w:sectPrChange"};

const ChildOrder shapePropertyOrder = {"a:xfrm",      "a:custGeom",  "a:prstGeom", "a:noFill",  "a:solidFill",
                                       "a:gradFill",  "a:blipFill",  "a:pattFill", "a:grpFill", "a:ln",
                                       "a:effectLst", "a:effectDag", "a:scene3d",  "a:sp3d",    "a:extLst"};

const ChildOrder settingsOrder = {"w:writeProtection",
                                  "w:view",
                                  "w:zoom",
                                  "w:removePersonalInformation",
                                  "w:removeDateAndTime",
                                  "w:doNotDisplayPageBoundaries",
                                  "w:displayBackgroundShape",
                                  "w:printPostScriptOverText",
                                  "w:printFractionalCharacterWidth",
                                  "w:printFormsData",
                                  "w:embedTrueTypeFonts",
                                  "w:embedSystemFonts",
                                  "w:saveSubsetFonts",
                                  "w:saveFormsData",
                                  "w:mirrorMargins",
                                  "w:alignBordersAndEdges",
                                  "w:bordersDoNotSurroundHeader",
                                  "w:bordersDoNotSurroundFooter",
                                  "w:gutterAtTop",
                                  "w:hideSpellingErrors",
                                  "w:hideGrammaticalErrors",
                                  "w:activeWritingStyle",
                                  "w:proofState",
                                  "w:formsDesign",
                                  "w:attachedTemplate",
                                  "w:linkStyles",
                                  "w:stylePaneFormatFilter",
                                  "w:stylePaneSortMethod",
                                  "w:documentType",
                                  "w:mailMerge",
                                  "w:revisionView",
                                  "w:trackRevisions",
                                  "w:doNotTrackMoves",
                                  "w:doNotTrackFormatting",
                                  "w:documentProtection",
                                  "w:autoFormatOverride",
                                  "w:styleLockTheme",
                                  "w:styleLockQFSet",
                                  "w:defaultTabStop",
                                  "w:autoHyphenation",
                                  "w:consecutiveHyphenLimit",
                                  "w:hyphenationZone",
                                  "w:doNotHyphenateCaps",
                                  "w:showEnvelope",
                                  "w:summaryLength",
                                  "w:clickAndTypeStyle",
                                  "w:defaultTableStyle",
                                  "w:evenAndOddHeaders",
                                  "w:bookFoldRevPrinting",
                                  "w:bookFoldPrinting",
                                  "w:bookFoldPrintingSheets",
                                  "w:drawingGridHorizontalSpacing",
                                  "w:drawingGridVerticalSpacing",
                                  "w:displayHorizontalDrawingGridEvery",
                                  "w:displayVerticalDrawingGridEvery",
                                  "w:doNotUseMarginsForDrawingGridOrigin",
                                  "w:drawingGridHorizontalOrigin",
                                  "w:drawingGridVerticalOrigin",
                                  "w:doNotShadeFormData",
                                  "w:noPunctuationKerning",
                                  "w:characterSpacingControl",
                                  "w:printTwoOnOne",
                                  "w:strictFirstAndLastChars",
                                  "w:noLineBreaksAfter",
                                  "w:noLineBreaksBefore",
                                  "w:savePreviewPicture",
                                  "w:doNotValidateAgainstSchema",
                                  "w:saveInvalidXml",
                                  "w:ignoreMixedContent",
                                  "w:alwaysShowPlaceholderText",
                                  "w:doNotDemarcateInvalidXml",
                                  "w:saveXmlDataOnly",
                                  "w:useXSLTWhenSaving",
                                  "w:saveThroughXslt",
                                  "w:showXMLTags",
                                  "w:alwaysMergeEmptyNamespace",
                                  "w:updateFields",
                                  "w:hdrShapeDefaults",
                                  "w:footnotePr",
                                  "w:endnotePr",
                                  "w:compat",
                                  "w:docVars",
                                  "w:rsids",
                                  "w:attachedSchema",
                                  "w:themeFontLang",
                                  "w:clrSchemeMapping",
                                  "w:doNotIncludeSubdocsInStats",
                                  "w:doNotAutoCompressPictures",
                                  "w:forceUpgrade",
                                  "w:captions",
                                  "w:readModeInkLockDown",
                                  "w:smartTagType",
                                  "w:shapeDefaults",
                                  "w:doNotEmbedSmartTags",
                                  "w:decimalSymbol",
                                  "w:listSeparator"};

void parse(pugi::xml_document& document, std::string_view bytes, const std::string& what,
           std::size_t memory) {
    pugi::xml_parse_result result = parseWithin(document, bytes, memory);
    if (result.status == pugi::status_out_of_memory) {
        document.reset();
        throw Error(what + "：XML 部件过大（解析需要超过 " + std::to_string(memory >> 20) + " MB 内存）。");
    }
    if (!result)
        throw Error(what + "：XML 格式错误（" + result.description() + "，位置 " +
                    std::to_string(result.offset) + "）。");
    PartCheck check;
    document.traverse(check);
    if (check.tooDeep) {
        document.reset();
        throw Error(what + "：XML 嵌套层次过深（超过 " + std::to_string(MaxNestingDepth) + " 层）。");
    }
}

std::string serialize(const pugi::xml_document& document) {
    StringWriter writer;
    writer.bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(writer.bytes);
}

pugi::xml_node ensureChild(pugi::xml_node parent, const char* name, ChildOrder order) {
    if (pugi::xml_node existing = parent.child(name))
        return existing;
    int rank = rankOf(name, order);
    for (pugi::xml_node sibling = parent.first_child(); sibling; sibling = sibling.next_sibling()) {
        if (sibling.type() == pugi::node_element && rankOf(sibling.name(), order) > rank)
            return parent.insert_child_before(name, sibling);
    }
    return parent.append_child(name);
}

namespace {

// The element after `node` in document order within `top`'s subtree, or null at its end.
pugi::xml_node nextInSubtree(pugi::xml_node node, pugi::xml_node top) {
    if (pugi::xml_node child = node.first_child())
        return child;
    for (; node && node != top; node = node.parent()) {
        if (pugi::xml_node sibling = node.next_sibling())
            return sibling;
    }
    return {};
}

bool named(pugi::xml_node node, std::initializer_list<const char*> names) {
    if (node.type() != pugi::node_element)
        return false;
    for (const char* name : names) {
        if (std::strcmp(node.name(), name) == 0)
            return true;
    }
    return false;
}

} // namespace

pugi::xml_node firstDescendant(pugi::xml_node node, std::initializer_list<const char*> names) {
    for (pugi::xml_node at = node.first_child(); at; at = nextInSubtree(at, node)) {
        if (named(at, names))
            return at;
    }
    return {};
}

std::vector<pugi::xml_node> select(pugi::xml_node node, const pugi::xpath_query& query) {
    pugi::xpath_node_set hits = node.select_nodes(query);
    std::vector<pugi::xml_node> found;
    found.reserve(hits.size());
    for (const pugi::xpath_node& hit : hits)
        found.push_back(hit.node());
    return found;
}

void removeChildren(pugi::xml_node parent, const char* name) {
    while (pugi::xml_node child = parent.child(name))
        parent.remove_child(child);
}

void setAttribute(pugi::xml_node node, const char* name, std::string_view value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute.set_value(std::string(value).c_str());
}

void setAttribute(pugi::xml_node node, const char* name, long long value) {
    setAttribute(node, name, std::to_string(value));
}

long long numberAttribute(pugi::xml_node node, const char* name, long long fallback) {
    const char* text = node.attribute(name).value();
    long long value = 0;
    const char* end = text + std::strlen(text);
    auto [at, error] = std::from_chars(text, end, value);
    return (error == std::errc() && at == end && at != text) ? value : fallback;
}

bool isOn(pugi::xml_node toggle) {
    if (!toggle)
        return false;
    std::string_view value = toggle.attribute("w:val").value();
    return value != "0" && value != "false" && value != "off";
}

} // namespace wordproc::xml
