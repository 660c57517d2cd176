#pragma once
// The lines of a UI script: one command a line, a line whose first non-blank character is "#" is a
// comment, and "\n" in a text stands for a line break ("\\" for a backslash).

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace dqxscript {

struct ScriptLine {
    int number = 0;
    std::string verb;
    // What follows the verb and one blank, blanks inside kept.
    std::string rest;
};

// Nothing for a blank or comment line. A trailing CR is dropped.
std::optional<ScriptLine> parseLine(int number, std::string_view line);

// The first word and what follows it after one blank: "Edit1 a b" -> {"Edit1", "a b"}.
std::pair<std::string, std::string> splitWord(std::string_view text);

// "\n" -> line feed, "\\" -> backslash; any other backslash stays as it is.
std::string unescape(std::string_view text);
// For output on one line: each line break (CR LF, CR or LF) -> "\n", a backslash -> "\\".
std::string escape(std::string_view text);

} // namespace dqxscript
