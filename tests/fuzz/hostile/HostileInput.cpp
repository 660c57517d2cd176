// hostile-input: writes one of the hostile inputs of tests/support/HostileInputs.h to a file.
//
//     hostile-input nested customxml|hyperlink|table LEVELS TEMPLATE OUT
//     hostile-input wide PARAGRAPHS TEMPLATE OUT
//     hostile-input bomb PARTS MEGABYTES-EACH TEMPLATE OUT
//     hostile-input claimed BYTES TEMPLATE OUT
//     hostile-input understated CLAIMED-BYTES MEGABYTES TEMPLATE OUT
//     hostile-input registry LEVELS OUT
//     hostile-input settings-cut-lead OUT
//
// TEMPLATE is a package that the hostile one is made from (its parts stay, so that it is a template in
// every other respect).
#include "platform/text/TextFile.h"
#include "tests/support/HostileInputs.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

std::uint64_t number(const std::string& text) {
    return std::stoull(text);
}

std::string make(const std::vector<std::string>& a) {
    const std::string& kind = a.at(0);
    if (kind == "nested") {
        static const std::map<std::string, hostile::Nesting> kinds = {
            {"customxml", hostile::Nesting::CustomXml},
            {"hyperlink", hostile::Nesting::Hyperlink},
            {"table", hostile::Nesting::Table}};
        std::string xml = hostile::nestedDocumentXml(kinds.at(a.at(1)), static_cast<int>(number(a.at(2))));
        return hostile::withDocumentPart(text::readBinaryFile(a.at(3)), xml);
    }
    if (kind == "wide")
        return hostile::withDocumentPart(text::readBinaryFile(a.at(2)),
                                         hostile::wideDocumentXml(static_cast<int>(number(a.at(1)))));
    if (kind == "bomb")
        return hostile::inflationBomb(text::readBinaryFile(a.at(3)), static_cast<int>(number(a.at(1))),
                                      number(a.at(2)) << 20);
    if (kind == "claimed")
        return hostile::claimedSizePackage(text::readBinaryFile(a.at(2)),
                                           static_cast<std::uint32_t>(number(a.at(1))));
    if (kind == "understated")
        return hostile::understatedSizePackage(text::readBinaryFile(a.at(3)),
                                               static_cast<std::uint32_t>(number(a.at(1))),
                                               number(a.at(2)) << 20);
    if (kind == "registry")
        return hostile::deepRegistryFile(number(a.at(1)));
    if (kind == "settings-cut-lead")
        return "[dqx]\r\nfwjg=\x81\x30";
    throw std::invalid_argument(kind);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 2) {
        std::cerr << "usage: hostile-input KIND ARGUMENTS... OUT\n";
        return 2;
    }
    try {
        std::string out = arguments.back();
        arguments.pop_back();
        text::writeBinaryFileAtomically(out, make(arguments));
    } catch (const std::exception& error) {
        std::cerr << "hostile-input: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
