#include "tools/dqxhost/HostArguments.h"

#include <charconv>

namespace dqxhost {

namespace {

// A whole number from 1 up, in decimal digits only.
std::optional<int> positiveNumber(const std::string& text) {
    int number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1)
        return std::nullopt;
    return number;
}

ParsedArguments problem(std::string text) {
    return {std::nullopt, std::move(text)};
}

} // namespace

ParsedArguments parseHostArguments(const std::vector<std::string>& words) {
    HostArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool takesValue = word == "--at-paragraph" || word == "--at-page" || word == "--answer" ||
                                word == "--click" || word == "--save";
        if (takesValue && i + 1 == words.size())
            return problem(word + " needs a value");
        if (word == "--ks") {
            arguments.host = Host::Wps;
        } else if (word == "--menu") {
            arguments.menu = true;
        } else if (word == "--at-paragraph" || word == "--at-page") {
            if (arguments.place != Place::DocumentStart)
                return problem("the selection can be placed once only (--at-paragraph or --at-page)");
            std::optional<int> number = positiveNumber(words[++i]);
            if (!number)
                return problem(word + " takes a number from 1: " + words[i]);
            arguments.place = word == "--at-page" ? Place::Page : Place::Paragraph;
            arguments.placeNumber = *number;
        } else if (word == "--answer") {
            arguments.answers.push_back(words[++i]);
        } else if (word == "--click") {
            arguments.clicks.push_back(words[++i]);
        } else if (word == "--save") {
            if (arguments.savePath)
                return problem("--save can be given once only");
            arguments.savePath = words[++i];
        } else if (word.starts_with("--")) {
            return problem("unknown option " + word);
        } else if (!arguments.document.empty()) {
            return problem("one document only: " + word);
        } else {
            arguments.document = word;
        }
    }
    if (arguments.document.empty())
        return problem("no document given");
    return {arguments, {}};
}

} // namespace dqxhost
