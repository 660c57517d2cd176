// Prints what a document holds, as the word processor reads it:
//   P<n> <alignment> | {<East Asian font> <size> <width %>[ bold]}<text>{...}<text>
//   S<n> <name> | <alignment> {<font>...}<text of its box>
// with --look, what a shape shows of itself after its name:
//   S<n> <name> (line on <colour>|off, fill on <colour>|off[, top <line style>[ color <colour>]]) | ...
// (top: the top border of its text's first paragraph)
//   B <name> | <text the bookmark encloses>
// and with --cells, after them, every cell of every table of the main text:
//   T<t> <row>.<column> <alignment> | {<font>...}<text>
// and with --layout the page layout after all of it (LayoutDump.h); --layout-only prints that alone.
// A new {...} starts where the characters' format changes; paragraph marks and cell ends are left out
// (inside a cell a paragraph mark shows as "/").

#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Bookmarks.h"
#include "platform/automation/Borders.h"
#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"
#include "tools/dqx-docdump/LayoutDump.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

std::string withoutMarks(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\a'))
        text.pop_back();
    for (char& c : text) {
        if (c == '\r')
            c = '/';
    }
    return text;
}

std::string fontOf(const automation::Range& range) {
    automation::Font font = range.Font();
    std::ostringstream out;
    out << '{' << font.nameFarEast() << ' ' << font.size() << ' ' << font.scaling()
        << (font.bold() ? " bold" : "");
    if (font.color() != -16777216)
        out << " color " << font.color();
    out << '}';
    return out.str();
}

// The characters of a paragraph or a cell in stretches of one format, up to its last mark; an empty one
// shows its mark's format.
std::string formattedText(const automation::Document& doc, const automation::Range& range) {
    int start = range.start();
    int end = range.end();
    std::string out;
    std::string current;
    for (int i = start; i < end; ++i) {
        automation::Range character = doc.Range(i, i + 1);
        std::string text = character.text();
        if (text == "\a" || text == "\r\a" || (text == "\r" && i + 1 == end))
            break;
        if (text == "\r") {
            out += '/';
            continue;
        }
        std::string format = fontOf(character);
        if (format != current)
            out += format;
        current = format;
        out += text;
    }
    return current.empty() ? fontOf(range) : out;
}

// Every cell, row by row.
void dumpCells(const automation::Document& doc) {
    automation::Tables tables = doc.Tables();
    for (int t = 1; t <= tables.Count(); ++t) {
        automation::Table table = tables.Item(t);
        for (int row = 1; row <= table.rowCount(); ++row) {
            for (int column = 1; column <= table.cellCount(row); ++column) {
                automation::Range cell = table.Cell(row, column).Range();
                std::cout << 'T' << t << ' ' << row << '.' << column << ' '
                          << cell.ParagraphFormat().alignment() << " | " << formattedText(doc, cell) << '\n';
            }
        }
    }
}

// "on" with the colour, or "off".
std::string drawn(const automation::ShapeFormat& format) {
    return format.visible() ? "on " + std::to_string(format.color()) : "off";
}

std::string lookOf(const automation::Shape& shape) {
    std::ostringstream out;
    out << " (line " << drawn(shape.Line()) << ", fill " << drawn(shape.Fill());
    try {
        automation::Border top = shape.TextFrame().TextRange().ParagraphFormat().Borders().Item(-1);
        out << ", top " << top.lineStyle();
        if (top.color() != -16777216)
            out << " color " << top.color();
    } catch (const automation::Error&) {
        // A line has no text.
    }
    out << ')';
    return out.str();
}

void dump(const automation::Document& doc, bool look) {
    automation::Paragraphs paragraphs = doc.Paragraphs();
    for (int i = 1; i <= paragraphs.Count(); ++i) {
        automation::Range range = paragraphs.Item(i).Range();
        std::cout << 'P' << i << ' ' << range.ParagraphFormat().alignment() << " | "
                  << formattedText(doc, range) << '\n';
    }
    automation::Shapes shapes = doc.Shapes();
    for (int i = 1; i <= shapes.Count(); ++i) {
        automation::Shape shape = shapes.Item(i);
        std::cout << 'S' << i << ' ' << shape.name() << (look ? lookOf(shape) : "");
        try {
            automation::Range text = shape.TextFrame().TextRange();
            std::cout << " | " << text.ParagraphFormat().alignment() << ' ' << fontOf(text)
                      << withoutMarks(text.text());
        } catch (const automation::Error&) {
            // A line has no text.
        }
        std::cout << '\n';
    }
    automation::Bookmarks bookmarks = doc.Bookmarks();
    for (int i = 1; i <= bookmarks.Count(); ++i) {
        automation::Bookmark bookmark = bookmarks.Item(i);
        std::cout << "B " << bookmark.name() << " | " << withoutMarks(bookmark.Range().text()) << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> options(argv + 1, argv + std::max(argc - 1, 1));
    auto given = [&](std::string_view option) { return std::ranges::count(options, option) > 0; };
    const bool cells = given("--cells"), look = given("--look");
    const bool layout = given("--layout"), layoutOnly = given("--layout-only");
    const std::size_t known = std::size_t{cells} + look + layout + layoutOnly;
    if (argc < 2 || options.size() != known || (layoutOnly && known > 1)) {
        std::cerr << "usage: dqx-docdump [--cells] [--look] [--layout | --layout-only] DOCUMENT.docx\n";
        return 2;
    }
    try {
        automation::Application word = automation::CreateObject("word.Application");
        automation::Document doc = word.Documents().Open(argv[argc - 1]);
        if (!layoutOnly)
            dump(doc, look);
        if (cells)
            dumpCells(doc);
        if (layout || layoutOnly)
            docdump::dumpLayout(doc, std::cout);
        doc.Close();
    } catch (const std::exception& error) {
        std::cerr << "dqx-docdump: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
