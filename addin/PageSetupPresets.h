#pragma once
// The page setups that the section tools give a section: the paper class of a page, the four presets
// and how one is applied. Lengths are centimetres, turned into points by the host's
// CentimetersToPoints at each assignment.

#include "addin/HostBuild.h"

namespace automation {
class Application;
class PageSetup;
class Selection;
} // namespace automation

namespace addin {

enum class Paper { A4, Size16K };

struct Preset {
    int orientation; // 0 portrait, 1 landscape
    float top, bottom, left, right, gutter, header, footer, width, height;
};

// Each landscape preset has the margins of its portrait one turned a quarter: its top is the portrait
// left, its bottom the portrait right, its left the portrait bottom, its right the portrait top.
inline constexpr Preset PresetA4Portrait{0, 3.7f, 3.5f, 2.8f, 2.6f, 0, 1.5f, 2.6f, 21, 29.7f};
inline constexpr Preset PresetA4Landscape{1, 2.8f, 2.6f, 3.5f, 3.7f, 0, 1.5f, 2.6f, 29.7f, 21};
inline constexpr Preset Preset16KPortrait{0, 3.0f, 2.5f, 2.3f, 1.8f, 0, 1.5f, 2.4f, 18.4f, 26};
inline constexpr Preset Preset16KLandscape{1, 2.3f, 1.8f, 2.5f, 3.0f, 0, 1.5f, 2.4f, 26, 18.4f};

const Preset& portraitPreset(Paper paper);
const Preset& landscapePreset(Paper paper);

// 16K when either side of the page is shorter than 19 cm, else A4, whatever the orientation.
Paper ClassifyPaper(const automation::PageSetup& page, const automation::Application& host);

// The preset's top and bottom margin on a page of that side: an even page of an alternating layout
// takes them exchanged, as a portrait page turned the other way round would have them.
struct TopAndBottom {
    float top, bottom;
};
TopAndBottom landscapeTopAndBottom(const Preset& preset, PageSide side);

// The side of the page that holds the selection in an alternating layout: even or odd by its count
// from the document's first page.
PageSide pageParity(const automation::Selection& selection);

// Assigns the preset to the page setup; a landscape preset takes its top and bottom margin as the page
// that holds the selection needs them (landscapePageSide). The orientation goes first and the page size
// last. The document's odd and even headers and footers are left as they are: they belong to the whole
// document, not to the section set up.
void ApplyPageSetupPreset(const automation::PageSetup& page, const Preset& preset,
                          const automation::Application& host);

} // namespace addin
