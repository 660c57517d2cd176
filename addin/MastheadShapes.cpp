#include "addin/MastheadShapes.h"

#include "platform/automation/Borders.h"
#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace addin {

namespace {

constexpr int White = 16777215;
constexpr int Red = 255;
constexpr int Black = 0;
constexpr int AutomaticColor = -16777216;
constexpr int TopBorder = -1;
constexpr int BottomBorder = -3;
constexpr int NoLine = 0;
constexpr int SingleLine = 1;

// A colour for each look.
struct Colours {
    int hidden;
    int shown;
    int of(MastheadLook look) const { return look == MastheadLook::Hidden ? hidden : shown; }
};

constexpr Colours WhiteOrBlack{White, Black};
constexpr Colours WhiteOrRed{White, Red};

// What the looks change on a shape of one masthead name. The settings run in the order of the fields.
struct MastheadRow {
    std::string_view name;
    std::optional<Colours> table = {}; // the joint masthead's cells in the document's first table
    std::optional<Colours> text = {};  // the shape's text
    bool rules = false; // the top and bottom borders of the shape's text: rules drawn as a box's borders
    bool line = false;  // the outline
    bool fill = false;  // the inside
};

// The header boxes of the telegram (DB1 to DB3) all carry the rule step: the two word processors give
// the box that carries the rule different names. The red rules (BTBX, BTBX2) are lines, or, where a
// template draws a double rule, a flat box whose text has a thick and a thin border.
constexpr MastheadRow Rows[] = {
    {.name = "DANG1", .line = true},
    {.name = "DANG2", .line = true, .fill = true},
    {.name = "DB1", .text = WhiteOrBlack, .rules = true},
    {.name = "DB2", .text = WhiteOrBlack, .rules = true},
    {.name = "DB3", .text = WhiteOrBlack, .rules = true},
    {.name = "WJBT", .text = WhiteOrRed},
    {.name = "BTBX", .rules = true, .line = true},
    {.name = "BTBX2", .rules = true, .line = true},
    {.name = "BTBX3", .table = WhiteOrRed, .line = true},
};

// The order in which each look tests a shape's name against the rows.
constexpr std::string_view HideOrder[] = {"DANG1", "DANG2", "DB1",   "DB2",  "DB3",
                                          "WJBT",  "BTBX",  "BTBX2", "BTBX3"};
constexpr std::string_view ShowOrder[] = {"WJBT", "DANG1", "DANG2", "DB1",  "DB2",
                                          "DB3",  "BTBX",  "BTBX2", "BTBX3"};

const MastheadRow* rowFor(std::string_view name, MastheadLook look) {
    const auto& order = look == MastheadLook::Hidden ? HideOrder : ShowOrder;
    for (std::string_view tested : order) {
        if (name == tested)
            return &*std::find_if(std::begin(Rows), std::end(Rows),
                                  [tested](const MastheadRow& row) { return row.name == tested; });
    }
    return nullptr;
}

using Setting = std::function<void()>;

// Each reads what it will set, so that an object that cannot be reached fails the plan.
Setting colourSetting(const automation::Range& range, int colour) {
    automation::Font font = range.Font();
    font.color();
    return [font, colour] { font.setColor(colour); };
}

Setting visibilitySetting(const automation::ShapeFormat& format, MastheadLook look) {
    format.visible();
    return [format, look] { format.setVisible(look == MastheadLook::Shown); };
}

// Hiding turns a drawn rule off; showing turns on a rule that was turned off (it keeps its colour) and
// draws none where there was none.
std::optional<Setting> ruleSetting(const automation::Border& border, MastheadLook look) {
    bool drawn = border.lineStyle() != NoLine;
    if (look == MastheadLook::Hidden)
        return drawn ? std::optional<Setting>([border] { border.setLineStyle(NoLine); }) : std::nullopt;
    if (drawn || border.color() == AutomaticColor)
        return std::nullopt;
    return [border] { border.setLineStyle(SingleLine); };
}

// The text of a shape that has one; a line has none, and carries no text colour and no rules.
std::optional<automation::Range> textOf(const automation::Shape& shape) {
    try {
        return shape.TextFrame().TextRange();
    } catch (const automation::Error&) {
        return std::nullopt;
    }
}

// The joint masthead in the document's first table: the cells in the masthead's red, or, hidden, in
// white. Other lines that a template keeps in that table (the up-going documents' number and signer line)
// are in black and stay as they are.
std::vector<automation::Range> mastheadCells(const automation::Document& document) {
    automation::Tables tables = document.Tables();
    if (tables.Count() < 1)
        throw automation::Error("文档中没有表格。");
    automation::Table table = tables.Item(1);
    std::vector<automation::Range> cells;
    for (int row = 1; row <= table.rowCount(); ++row) {
        for (int column = 1; column <= table.cellCount(row); ++column) {
            automation::Range cell = table.Cell(row, column).Range();
            int colour = cell.Font().color();
            if (colour == Red || colour == White)
                cells.push_back(cell);
        }
    }
    return cells;
}

void planSettings(const automation::Document& document, const automation::Shape& shape,
                  const MastheadRow& row, MastheadLook look, std::vector<Setting>& settings) {
    if (row.table) {
        for (const automation::Range& cell : mastheadCells(document))
            settings.push_back(colourSetting(cell, row.table->of(look)));
    }
    // A rule is a line (its outline) or a flat box whose text's borders draw it; such a box has no
    // outline to show.
    std::optional<automation::Range> text;
    if (row.text || row.rules)
        text = textOf(shape);
    if (row.text) {
        if (!text)
            throw automation::Error("形状没有文字。");
        settings.push_back(colourSetting(*text, row.text->of(look)));
    }
    if (row.rules && text) {
        for (int side : {TopBorder, BottomBorder}) {
            if (std::optional<Setting> rule = ruleSetting(text->ParagraphFormat().Borders().Item(side), look))
                settings.push_back(std::move(*rule));
        }
    }
    if (row.line && !(row.rules && text))
        settings.push_back(visibilitySetting(shape.Line(), look));
    if (row.fill)
        settings.push_back(visibilitySetting(shape.Fill(), look));
}

} // namespace

std::vector<ShapeChange> planMastheadChanges(const automation::Document& document, MastheadLook look) {
    automation::Shapes shapes = document.Shapes();
    std::vector<ShapeChange> changes;
    for (int index = shapes.Count(); index >= 1; --index) {
        automation::Shape shape = shapes.Item(index);
        const MastheadRow* row = rowFor(shape.name(), look);
        if (!row)
            continue;
        ShapeChange change{std::string(row->name), {}};
        try {
            planSettings(document, shape, *row, look, change.settings);
        } catch (const std::exception&) {
            throw UnreachableShape(change.name);
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

std::vector<std::string> applyMastheadChanges(const std::vector<ShapeChange>& changes) {
    std::vector<std::string> failed;
    for (const ShapeChange& change : changes) {
        try {
            for (const Setting& setting : change.settings)
                setting();
        } catch (const std::exception&) {
            if (std::find(failed.begin(), failed.end(), change.name) == failed.end())
                failed.push_back(change.name);
        }
    }
    return failed;
}

} // namespace addin
