#pragma once
// Slot rows of the internal telegram (内部电报): the closing lines with the authority in both styles,
// the text boxes of its header, and the marks of a classified telegram.

#include "composer/output/SlipRows.h"

#include <string>

namespace composer::slot {

// The authority's name and, on a line of its own under it, the date (FormatDateAlone) in front of the
// slot's text. With `DateFont::BodyInAdministrativeStyle` the date line is then set in the body font in
// administrative style, as one word processor's copy does.
enum class DateFont { AsTemplate, BodyInAdministrativeStyle };
SlotRow authorityAndDate(int paragraph, DateFont font = DateFont::AsTemplate);
// The shape's text becomes the value, an empty one included.
SlotRow shapeText(int shape, ValueText text);
// The shape's text set in one of the profile's fonts (its name only; size and colour stay).
SlotRow shapeFontName(int shape, std::string AuthorityProfile::*font);
// With a secrecy level: the level behind the level's paragraph, the label "密级" behind the label's
// paragraph, and the title box reading "内部密电". Without a level all three stay as the template has them.
SlotRow classifiedTelegram(int levelParagraph, int labelParagraph, int titleShape);

} // namespace composer::slot
