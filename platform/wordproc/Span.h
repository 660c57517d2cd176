#pragma once
// Places in a document's text: a story (the main text, a text box's text ...) and character positions
// in it, counted as the hosts count them: every paragraph mark is one character.

namespace wordproc {

enum class StoryKind { Main, TextFrame, Header, Footer };

struct StoryId {
    StoryKind kind = StoryKind::Main;
    int key = 0; // TextFrame: the id of the shape that holds the text; Header, Footer: the part's number
    bool operator==(const StoryId&) const = default;
};

// Characters [start, end) of a story. A span that the document tracks moves with edits in front of it.
struct Span {
    StoryId story;
    int start = 0;
    int end = 0;
};

// How the hosts count characters across tables: both count a table as the paragraph marks of its cells
// (so that a paragraph's position follows from its number and the text in front of it); WPS counts one
// character more at the end of each table.
enum class Flavour { Word, Wps };

} // namespace wordproc
