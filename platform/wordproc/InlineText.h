#pragma once
// The text inside one paragraph: its characters as the hosts count them (UTF-16 code units of w:t, one
// for each tab or break), and the edits below paragraph level: splitting runs, inserting and erasing.

#include <pugixml.hpp>

#include <functional>
#include <string>
#include <string_view>

namespace wordproc {

// Where a position lands among items that take no room (bookmarks, shape anchors, field characters):
// in front of them or behind them.
enum class Bias { Before, After };

// A place between run-level nodes: in front of `before` inside `parent` (at the end when `before` is
// null). `parent` is the paragraph or a container in it such as w:hyperlink.
struct InlinePoint {
    pugi::xml_node parent;
    pugi::xml_node before;
};

int utf16Length(std::string_view utf8);

// The number of characters before the paragraph's mark.
int inlineLength(pugi::xml_node paragraph);

// The characters [from, to) of the paragraph: tabs as "\t", line breaks as "\v", page breaks as "\f".
std::string inlineText(pugi::xml_node paragraph, int from, int to);

// The number of characters in front of a node of the paragraph that takes no room.
int offsetOfNode(pugi::xml_node paragraph, pugi::xml_node node);

// The point at the character position, splitting a run or a w:t where the position falls inside.
InlinePoint splitAt(pugi::xml_node paragraph, int offset, Bias bias);

// The same place as a point directly in the paragraph, splitting containers such as w:hyperlink.
pugi::xml_node hoistToParagraph(pugi::xml_node paragraph, InlinePoint point);

// The run properties that text inserted at the position takes: those of the character before it, at
// the start those of the first character, in a paragraph without text those of its mark. Null: none.
pugi::xml_node formatSourceAt(pugi::xml_node paragraph, int offset);

// Inserts a run with a copy of the format and the text, which holds no paragraph breaks. Control
// characters other than tab, vertical tab and form feed are dropped. Returns the point behind the run.
InlinePoint insertRun(InlinePoint point, pugi::xml_node format, std::string_view text);

// Removes the characters [from, to); items that take no room stay.
void eraseInline(pugi::xml_node paragraph, int from, int to);

// Calls `visit` for every run that holds characters of [from, to), after splitting runs at both ends.
void forEachRunIn(pugi::xml_node paragraph, int from, int to,
                  const std::function<void(pugi::xml_node)>& visit);

} // namespace wordproc
