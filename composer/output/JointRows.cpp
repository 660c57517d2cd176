#include "composer/output/JointRows.h"

#include "platform/text/Encoding.h"

#include <vector>

namespace composer {

namespace {

constexpr const char* Seal = "发文机关";
// A name wider than this (in code-page bytes, ten Chinese characters) no longer fits its cell.
constexpr std::size_t FullWidthNameBytes = 20;
constexpr int HalfWidth = 50;
// The masthead is the document's first table.
constexpr int MastheadTable = 1;

std::string ideographicBlanks(int count) {
    std::string blanks;
    for (int i = 0; i < count; ++i)
        blanks += "\u3000";
    return blanks;
}

struct MastheadCell {
    int row;
    int column;
    std::string text;
};

// The cells in the order they are written and formatted: the first authority, "文件", the others.
std::vector<MastheadCell> mastheadCells(const std::string& firstAuthority, int authorities) {
    std::vector<MastheadCell> cells = {
        {1, 1, firstAuthority}, {1, 2, "文件"}, {2, 1, placeholder::SecondAuthority}};
    if (authorities > 2)
        cells.push_back({3, 1, placeholder::ThirdAuthority});
    return cells;
}

} // namespace

const std::string& SealPlaceholderBlock() {
    static const std::string block = "\r\r" + ideographicBlanks(2) + Seal + ideographicBlanks(6) + Seal +
                                     ideographicBlanks(6) + Seal + "\r\r\r\r" + ideographicBlanks(7) + Seal +
                                     ideographicBlanks(6) + Seal + "\r\r\r";
    return block;
}

namespace slot {

SlotRow jointMasthead(int authorities) {
    return [authorities](const OutputValues& v, DocumentEditor& doc) {
        const std::string& first = v.profile.section;
        std::vector<MastheadCell> cells = mastheadCells(first, authorities);
        for (const MastheadCell& cell : cells)
            doc.setCellText(MastheadTable, cell.row, cell.column, cell.text);
        if (text::gbkLength(first) > FullWidthNameBytes)
            doc.setCellFont(MastheadTable, 1, 1, FontChange::scaled(HalfWidth));
        for (const MastheadCell& cell : cells)
            doc.setCellFont(MastheadTable, cell.row, cell.column, FontChange::named(v.profile.fwzt));
        FontChange bold;
        bold.bold = v.profile.fwbold;
        for (const MastheadCell& cell : cells)
            doc.setCellFont(MastheadTable, cell.row, cell.column, bold);
    };
}

SlotRow sealPlaceholders(int paragraph) {
    return [paragraph](const OutputValues&, DocumentEditor& doc) {
        doc.insertBefore(paragraph, SealPlaceholderBlock());
    };
}

} // namespace slot

} // namespace composer
