#include "platform/wordproc/InlineText.h"

#include <set>
#include <vector>

namespace wordproc {

namespace {

// One run-level item: a child of a run other than its properties, or a node outside runs that takes no
// room (w:bookmarkStart, w:proofErr ...).
struct Atom {
    pugi::xml_node node;
    pugi::xml_node run; // null outside runs
    int length = 0;
    int position = 0;
};

bool isNamed(pugi::xml_node node, std::string_view name) {
    return name == node.name();
}

bool isPropertyElement(std::string_view name) {
    return name.ends_with("Pr");
}

int atomLength(pugi::xml_node node) {
    std::string_view name = node.name();
    if (name == "w:t")
        return utf16Length(node.text().get());
    static const std::set<std::string_view> single = {"w:tab",
                                                      "w:br",
                                                      "w:cr",
                                                      "w:sym",
                                                      "w:noBreakHyphen",
                                                      "w:softHyphen",
                                                      "w:ptab",
                                                      "w:footnoteReference",
                                                      "w:endnoteReference"};
    return single.count(name) ? 1 : 0;
}

std::string atomText(pugi::xml_node node) {
    std::string_view name = node.name();
    if (name == "w:t")
        return node.text().get();
    if (name == "w:tab" || name == "w:ptab")
        return "\t";
    if (name == "w:br")
        return std::string_view(node.attribute("w:type").value()) == "page" ? "\f" : "\v";
    if (name == "w:noBreakHyphen")
        return "\x1e";
    if (name == "w:softHyphen")
        return "\x1f";
    return atomLength(node) ? "\x02" : "";
}

// Calls visit(atom) for every atom in reading order until it returns false. Deleted text (w:del,
// w:moveFrom) counts as an item without room.
template <typename Visit> bool walk(pugi::xml_node container, int& position, Visit& visit) {
    for (pugi::xml_node child : container.children()) {
        if (child.type() != pugi::node_element)
            continue;
        std::string_view name = child.name();
        if (isPropertyElement(name))
            continue;
        if (name == "w:r") {
            for (pugi::xml_node item : child.children()) {
                if (item.type() != pugi::node_element || isNamed(item, "w:rPr"))
                    continue;
                Atom atom{item, child, atomLength(item), position};
                if (!visit(atom))
                    return false;
                position += atom.length;
            }
        } else if (name == "w:hyperlink" || name == "w:smartTag" || name == "w:ins" ||
                   name == "w:customXml" || name == "w:fldSimple" || name == "w:dir" || name == "w:bdo" ||
                   name == "w:moveTo") {
            if (!walk(child, position, visit))
                return false;
        } else if (name == "w:sdt") {
            if (!walk(child.child("w:sdtContent"), position, visit))
                return false;
        } else {
            Atom atom{child, {}, 0, position};
            if (!visit(atom))
                return false;
        }
    }
    return true;
}

template <typename Visit> void forEachAtom(pugi::xml_node paragraph, Visit visit) {
    int position = 0;
    walk(paragraph, position, visit);
}

std::size_t byteOffsetOfUnit(std::string_view utf8, int units) {
    std::size_t at = 0;
    while (units > 0 && at < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[at]);
        int bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units -= bytes == 4 ? 2 : 1;
        at += static_cast<std::size_t>(bytes);
    }
    return std::min(at, utf8.size());
}

void preserveSpaces(pugi::xml_node text) {
    if (!text.attribute("xml:space"))
        text.append_attribute("xml:space") = "preserve";
}

// Splits the w:t so that its first `units` characters stay and the rest goes into a new w:t behind it.
pugi::xml_node splitText(pugi::xml_node text, int units) {
    std::string whole = text.text().get();
    std::size_t cut = byteOffsetOfUnit(whole, units);
    pugi::xml_node rest = text.parent().insert_child_after("w:t", text);
    rest.text() = whole.substr(cut).c_str();
    text.text() = whole.substr(0, cut).c_str();
    preserveSpaces(text);
    preserveSpaces(rest);
    return rest;
}

// The point in front of a run's child, splitting the run when other content stands before the child.
InlinePoint pointBeforeInRun(pugi::xml_node run, pugi::xml_node item) {
    bool first = true;
    for (pugi::xml_node child = run.first_child(); child != item; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && !isNamed(child, "w:rPr"))
            first = false;
    }
    if (!first) {
        pugi::xml_node front = run.parent().insert_child_before("w:r", run);
        if (pugi::xml_node properties = run.child("w:rPr"))
            front.append_copy(properties);
        for (pugi::xml_node child = run.first_child(); child != item;) {
            pugi::xml_node next = child.next_sibling();
            if (!isNamed(child, "w:rPr"))
                front.append_move(child);
            child = next;
        }
    }
    return {run.parent(), run};
}

bool hasContent(pugi::xml_node run) {
    for (pugi::xml_node child : run.children()) {
        if (child.type() == pugi::node_element && !isNamed(child, "w:rPr"))
            return true;
    }
    return false;
}

// Appends the text to the run as w:t, w:tab and w:br children.
void appendRunContent(pugi::xml_node run, std::string_view text) {
    std::string pending;
    auto flush = [&] {
        if (pending.empty())
            return;
        pugi::xml_node node = run.append_child("w:t");
        node.text() = pending.c_str();
        if (pending.find(' ') != std::string::npos)
            preserveSpaces(node);
        pending.clear();
    };
    for (char c : text) {
        if (c == '\t' || c == '\v' || c == '\f') {
            flush();
            pugi::xml_node node = run.append_child(c == '\t' ? "w:tab" : "w:br");
            if (c == '\f')
                node.append_attribute("w:type") = "page";
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            pending += c;
        }
    }
    flush();
}

} // namespace

int utf16Length(std::string_view utf8) {
    int units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

int inlineLength(pugi::xml_node paragraph) {
    int length = 0;
    forEachAtom(paragraph, [&](const Atom& atom) {
        length += atom.length;
        return true;
    });
    return length;
}

std::string inlineText(pugi::xml_node paragraph, int from, int to) {
    std::string text;
    forEachAtom(paragraph, [&](const Atom& atom) {
        if (atom.length == 0 || atom.position + atom.length <= from)
            return true;
        if (atom.position >= to)
            return false;
        std::string piece = atomText(atom.node);
        if (isNamed(atom.node, "w:t")) {
            std::size_t begin = byteOffsetOfUnit(piece, std::max(0, from - atom.position));
            std::size_t end = byteOffsetOfUnit(piece, to - atom.position);
            piece = piece.substr(begin, end - begin);
        }
        text += piece;
        return true;
    });
    return text;
}

int offsetOfNode(pugi::xml_node paragraph, pugi::xml_node node) {
    int offset = 0;
    forEachAtom(paragraph, [&](const Atom& atom) {
        offset = atom.position;
        return atom.node != node;
    });
    return offset;
}

InlinePoint splitAt(pugi::xml_node paragraph, int offset, Bias bias) {
    InlinePoint point{paragraph, {}};
    forEachAtom(paragraph, [&](const Atom& atom) {
        bool here = atom.position == offset && (atom.length > 0 || bias == Bias::Before);
        bool inside = atom.position < offset && offset < atom.position + atom.length;
        if (!here && !inside)
            return true;
        pugi::xml_node item = inside ? splitText(atom.node, offset - atom.position) : atom.node;
        point = atom.run ? pointBeforeInRun(atom.run, item) : InlinePoint{item.parent(), item};
        return false;
    });
    return point;
}

pugi::xml_node hoistToParagraph(pugi::xml_node paragraph, InlinePoint point) {
    while (point.parent != paragraph) {
        pugi::xml_node container = point.parent;
        pugi::xml_node first = container.first_child();
        while (first && (first.type() != pugi::node_element || isPropertyElement(first.name())))
            first = first.next_sibling();
        if (!point.before) {
            point = {container.parent(), container.next_sibling()};
            continue;
        }
        if (point.before != first) {
            // The part in front of the point becomes a container of its own, with the same properties.
            pugi::xml_node front = container.parent().insert_child_before(container.name(), container);
            for (pugi::xml_attribute attribute : container.attributes())
                front.append_attribute(attribute.name()) = attribute.value();
            for (pugi::xml_node child = container.first_child(); child != point.before;) {
                pugi::xml_node next = child.next_sibling();
                if (child.type() == pugi::node_element && isPropertyElement(child.name()))
                    front.append_copy(child);
                else
                    front.append_move(child);
                child = next;
            }
        }
        point = {container.parent(), container};
    }
    return point.before;
}

pugi::xml_node formatSourceAt(pugi::xml_node paragraph, int offset) {
    pugi::xml_node before, after;
    bool foundBefore = false, foundAfter = false;
    forEachAtom(paragraph, [&](const Atom& atom) {
        if (atom.length == 0 || !atom.run)
            return true;
        if (atom.position < offset) {
            before = atom.run.child("w:rPr");
            foundBefore = true;
            return true;
        }
        after = atom.run.child("w:rPr");
        foundAfter = true;
        return false;
    });
    if (foundBefore)
        return before;
    if (foundAfter)
        return after;
    return paragraph.child("w:pPr").child("w:rPr");
}

InlinePoint insertRun(InlinePoint point, pugi::xml_node format, std::string_view text) {
    pugi::xml_node run = point.before ? point.parent.insert_child_before("w:r", point.before)
                                      : point.parent.append_child("w:r");
    if (format) {
        pugi::xml_node properties = run.append_copy(format);
        // A paragraph mark's properties may carry revision marks, which do not belong to new text.
        for (const char* revision : {"w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange"})
            properties.remove_child(revision);
    }
    appendRunContent(run, text);
    return {run.parent(), run.next_sibling()};
}

void eraseInline(pugi::xml_node paragraph, int from, int to) {
    if (from >= to)
        return;
    splitAt(paragraph, to, Bias::Before);
    splitAt(paragraph, from, Bias::Before);
    std::vector<pugi::xml_node> doomed;
    std::vector<pugi::xml_node> runs;
    forEachAtom(paragraph, [&](const Atom& atom) {
        if (atom.length > 0 && atom.position >= from && atom.position + atom.length <= to) {
            doomed.push_back(atom.node);
            if (runs.empty() || runs.back() != atom.run)
                runs.push_back(atom.run);
        }
        return atom.position < to;
    });
    for (pugi::xml_node node : doomed)
        node.parent().remove_child(node);
    for (pugi::xml_node run : runs) {
        if (!hasContent(run))
            run.parent().remove_child(run);
    }
}

void forEachRunIn(pugi::xml_node paragraph, int from, int to,
                  const std::function<void(pugi::xml_node)>& visit) {
    if (from >= to)
        return;
    splitAt(paragraph, to, Bias::Before);
    splitAt(paragraph, from, Bias::Before);
    std::vector<pugi::xml_node> runs;
    forEachAtom(paragraph, [&](const Atom& atom) {
        bool within = atom.length > 0 && atom.position >= from && atom.position + atom.length <= to;
        if (within && (runs.empty() || runs.back() != atom.run))
            runs.push_back(atom.run);
        return atom.position < to;
    });
    for (pugi::xml_node run : runs)
        visit(run);
}

} // namespace wordproc
