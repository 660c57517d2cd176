#pragma once
// The page-number box of a landscape page: a text box at the page's left edge whose text "— n —" runs
// down the page, so that the number stands where a portrait page has it when the page is turned to be
// read. Where it goes depends on the paper and on the page's side.

#include "addin/PageSetupPresets.h"

#include <optional>
#include <string>
#include <string_view>

namespace automation {
class Application;
class Section;
class Shape;
} // namespace automation

namespace addin {

// Left and top of the box from the page's edges in centimetres, and the alignment of its text along
// the box: 0 its start (the top of the landscape page), 1 its middle, 2 its end.
struct BoxPlacement {
    float left;
    float top;
    int alignment;
};
BoxPlacement pageNumberBoxPlacement(Paper paper, PageSide side);

// "— n —".
std::string pageNumberText(int number);
// Whether a text box's text (its paragraph mark may end it) is a page number in that form.
bool isPageNumberText(std::string_view text);

// Adds the box for the page that holds the selection, anchored at the selection's paragraph, with the
// page's adjusted number.
automation::Shape addPageNumberBox(const automation::Application& host, Paper paper);

// The section's page-number box: the first text box anchored in the section whose text is a page
// number. A section without one has none: another shape is never taken for it.
std::optional<automation::Shape> findPageNumberBox(const automation::Section& section);

// Puts the box where the placement table has it, measured from the page's edges, and as high as the
// landscape page's type area.
void placePageNumberBox(const automation::Shape& box, Paper paper, PageSide side,
                        const automation::Application& host);

} // namespace addin
