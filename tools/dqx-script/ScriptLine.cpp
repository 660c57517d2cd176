#include "tools/dqx-script/ScriptLine.h"

namespace dqxscript {

std::optional<ScriptLine> parseLine(int number, std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return std::nullopt;
    auto [verb, rest] = splitWord(line.substr(first));
    return ScriptLine{number, std::move(verb), std::move(rest)};
}

std::pair<std::string, std::string> splitWord(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, blank)), std::string(text.substr(blank + 1))};
}

std::string unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string escape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\\') {
            out += "\\\\";
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace dqxscript
