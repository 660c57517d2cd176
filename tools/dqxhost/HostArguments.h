#pragma once
// The command line of dqxhost:
//
//   dqxhost [--ks] DOCUMENT [--at-paragraph N | --at-page N] [--answer TEXT]... [--menu]
//           [--click CAPTION]... [--save OUT.docx]
//
// Options may stand in any order around the document; answers and clicks keep theirs.

#include <optional>
#include <string>
#include <vector>

namespace dqxhost {

enum class Host { Word, Wps };
enum class Place { DocumentStart, Paragraph, Page };

struct HostArguments {
    Host host = Host::Word;
    std::string document;
    Place place = Place::DocumentStart;
    int placeNumber = 0; // the paragraph or page, from 1
    std::vector<std::string> answers;
    bool menu = false;
    std::vector<std::string> clicks;
    std::optional<std::string> savePath;
};

// The arguments after the program's name, or the reason why they are not a command line of dqxhost.
struct ParsedArguments {
    std::optional<HostArguments> arguments;
    std::string problem;
};
ParsedArguments parseHostArguments(const std::vector<std::string>& words);

inline constexpr const char* HostUsage =
    "usage: dqxhost [--ks] DOCUMENT [--at-paragraph N | --at-page N] [--answer TEXT]... [--menu]\n"
    "               [--click CAPTION]... [--save OUT.docx]";

} // namespace dqxhost
