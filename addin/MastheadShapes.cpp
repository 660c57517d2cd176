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
    bool topRule = false;              // the top border of the shape's text: the telegram's red rule
    bool line = false;                 // the outline
    bool fill = false;                 // the inside
};

// The header boxes of the telegram (DB1 to DB3) all carry the rule step: the two word processors give
// the box that carries the rule different names.
constexpr MastheadRow Rows[] = {
    {.name = "DANG1", .line = true},
    {.name = "DANG2", .line = true, .fill = true},
    {.name = "DB1", .text = WhiteOrBlack, .topRule = true},
    {.name = "DB2", .text = WhiteOrBlack, .topRule = true},
    {.name = "DB3", .text = WhiteOrBlack, .topRule = true},
    {.name = "WJBT", .text = WhiteOrRed},
    {.name = "BTBX", .line = true},
    {.name = "BTBX2", .line = true},
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
std::optional<Setting> ruleSetting(const automation::Range& text, MastheadLook look) {
    automation::Border top = text.ParagraphFormat().Borders().Item(TopBorder);
    bool drawn = top.lineStyle() != NoLine;
    if (look == MastheadLook::Hidden)
        return drawn ? std::optional<Setting>([top] { top.setLineStyle(NoLine); }) : std::nullopt;
    if (drawn || top.color() == AutomaticColor)
        return std::nullopt;
    return [top] { top.setLineStyle(SingleLine); };
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
        for (int column = 1;; ++column) {
            std::optional<automation::Range> cell;
            try {
                cell = table.Cell(row, column).Range();
            } catch (const automation::Error&) {
                break; // past the row's last cell
            }
            int colour = cell->Font().color();
            if (colour == Red || colour == White)
                cells.push_back(*cell);
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
    if (row.text || row.topRule) {
        automation::Range text = shape.TextFrame().TextRange();
        if (row.text)
            settings.push_back(colourSetting(text, row.text->of(look)));
        if (row.topRule) {
            if (std::optional<Setting> rule = ruleSetting(text, look))
                settings.push_back(std::move(*rule));
        }
    }
    if (row.line)
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
