#include "platform/wordproc/ParagraphEdits.h"

#include <string_view>

namespace wordproc {

pugi::xml_node firstContent(pugi::xml_node paragraph) {
    pugi::xml_node child = paragraph.first_child();
    while (child && std::string_view(child.name()) == "w:pPr")
        child = child.next_sibling();
    return child;
}

pugi::xml_node splitParagraph(pugi::xml_node paragraph, pugi::xml_node before) {
    pugi::xml_node front = paragraph.parent().insert_child_before("w:p", paragraph);
    if (pugi::xml_node properties = paragraph.child("w:pPr")) {
        pugi::xml_node copy = front.append_copy(properties);
        // The section break and the record of a property change belong to the original mark only.
        copy.remove_child("w:sectPr");
        copy.remove_child("w:pPrChange");
    }
    for (pugi::xml_node child = firstContent(paragraph); child && child != before;) {
        pugi::xml_node next = child.next_sibling();
        front.append_move(child);
        child = next;
    }
    return front;
}

pugi::xml_node nextParagraph(pugi::xml_node paragraph) {
    for (pugi::xml_node sibling = paragraph.next_sibling(); sibling; sibling = sibling.next_sibling()) {
        std::string_view name = sibling.name();
        if (name == "w:p")
            return sibling;
        if (name == "w:tbl" || name == "w:sdt" || name == "w:sectPr" || name == "w:customXml")
            return {};
    }
    return {};
}

void joinWithNext(pugi::xml_node paragraph, pugi::xml_node next) {
    pugi::xml_node anchor = firstContent(next);
    for (pugi::xml_node child = firstContent(paragraph); child;) {
        pugi::xml_node following = child.next_sibling();
        if (anchor)
            next.insert_move_before(child, anchor);
        else
            next.append_move(child);
        child = following;
    }
    paragraph.parent().remove_child(paragraph);
}

} // namespace wordproc
