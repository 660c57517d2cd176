#include "platform/wordproc/PageNumberParagraphs.h"

#include "platform/wordproc/Xml.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace wordproc {

namespace {

// True for a field instruction of the PAGE field (not PAGEREF, NUMPAGES ...).
bool isPageInstruction(std::string_view instruction) {
    std::size_t first = instruction.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    std::string_view rest = instruction.substr(first);
    if (rest.size() < 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::toupper(static_cast<unsigned char>(rest[i])) != "PAGE"[i])
            return false;
    }
    return rest.size() == 4 || rest[4] == ' ' || rest[4] == '\\' || rest[4] == '\t';
}

bool isBlock(pugi::xml_node node) {
    std::string_view name = node.name();
    return name == "w:p" || name == "w:tbl" || name == "w:sdt";
}

void appendText(pugi::xml_node paragraph, const char* text) {
    pugi::xml_node t = paragraph.append_child("w:r").append_child("w:t");
    t.text() = text;
    if (std::string_view(text).find(' ') != std::string_view::npos)
        t.append_attribute("xml:space") = "preserve";
}

void appendFieldCharacter(pugi::xml_node paragraph, const char* type) {
    paragraph.append_child("w:r").append_child("w:fldChar").append_attribute("w:fldCharType") = type;
}

void writeProperties(pugi::xml_node properties, const PageNumberStyle& style) {
    if (!style.styleId.empty())
        properties.append_child("w:pStyle").append_attribute("w:val") = style.styleId.c_str();
    if (style.alignment != 1) {
        pugi::xml_node indent = properties.append_child("w:ind");
        bool left = style.alignment == 0;
        indent.append_attribute(left ? "w:left" : "w:right") = style.characterTwips;
        indent.append_attribute(left ? "w:leftChars" : "w:rightChars") = 100;
    }
    const char* alignments[] = {"left", "center", "right"};
    properties.append_child("w:jc").append_attribute("w:val") = alignments[style.alignment];
}

} // namespace

bool isPageNumberParagraph(pugi::xml_node paragraph) {
    for (pugi::xpath_node hit : paragraph.select_nodes(".//w:instrText")) {
        if (isPageInstruction(hit.node().text().get()))
            return true;
    }
    for (pugi::xpath_node hit : paragraph.select_nodes(".//w:fldSimple")) {
        if (isPageInstruction(hit.node().attribute("w:instr").value()))
            return true;
    }
    return false;
}

pugi::xml_node removePageNumbers(pugi::xml_node root) {
    std::vector<pugi::xml_node> doomed;
    for (pugi::xml_node child : root.children("w:p")) {
        if (isPageNumberParagraph(child))
            doomed.push_back(child);
    }
    if (doomed.empty())
        return {};
    pugi::xml_node after = doomed.front().next_sibling();
    while (after && std::find(doomed.begin(), doomed.end(), after) != doomed.end())
        after = after.next_sibling();
    for (pugi::xml_node paragraph : doomed)
        root.remove_child(paragraph);
    return after;
}

pugi::xml_node loneEmptyParagraph(pugi::xml_node root) {
    pugi::xml_node only;
    for (pugi::xml_node child : root.children()) {
        if (!isBlock(child))
            continue;
        if (only || std::string_view(child.name()) != "w:p")
            return {};
        only = child;
    }
    for (pugi::xml_node child : only.children()) {
        if (std::string_view(child.name()) != "w:pPr")
            return {};
    }
    return only;
}

void ensureParagraph(pugi::xml_node root, const std::string& styleId) {
    for (pugi::xml_node child : root.children()) {
        if (isBlock(child))
            return;
    }
    pugi::xml_node paragraph = root.append_child("w:p");
    if (!styleId.empty())
        paragraph.append_child("w:pPr").append_child("w:pStyle").append_attribute("w:val") = styleId.c_str();
}

pugi::xml_node insertPageNumber(pugi::xml_node root, pugi::xml_node before, const PageNumberStyle& style) {
    pugi::xml_node paragraph = before ? root.insert_child_before("w:p", before) : root.append_child("w:p");
    writeProperties(paragraph.append_child("w:pPr"), style);
    appendText(paragraph, "— ");
    appendFieldCharacter(paragraph, "begin");
    pugi::xml_node instruction = paragraph.append_child("w:r").append_child("w:instrText");
    instruction.append_attribute("xml:space") = "preserve";
    instruction.text() = " PAGE ";
    appendFieldCharacter(paragraph, "separate");
    appendText(paragraph, "1");
    appendFieldCharacter(paragraph, "end");
    appendText(paragraph, " —");
    return paragraph;
}

} // namespace wordproc
