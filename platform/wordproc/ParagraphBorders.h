#pragma once
// Paragraph borders (w:pBdr) as ParagraphFormat.Borders(i).LineStyle reaches them. Borders by the hosts'
// index: -1 top, -2 left, -3 bottom, -4 right, -5 the line between paragraphs of one border group (drawn
// between neighbours whose borders are all alike). Line styles: 0 none, 1 single, 2 dotted, 3 dashed with
// small gaps, 4 dashed, 5 dash dot, 6 dash dot dot, 7 double, 8 triple.

#include "platform/wordproc/StyleSheet.h"

#include <pugixml.hpp>

namespace wordproc {

// The line style of the border that applies to the paragraph (its own or its style's).
int paragraphBorderStyle(const StyleSheet& styles, pugi::xml_node paragraph, int border);

// The colour (BGR) of the border that applies to the paragraph, or AutomaticColor when it has none of its
// own. A border turned off keeps its colour.
int paragraphBorderColor(const StyleSheet& styles, pugi::xml_node paragraph, int border);

// Sets the line style of one border of the paragraph. The border keeps its width and colour, so that a
// border turned off and on again looks as before; a new one is a thin automatic line. A line between
// paragraphs that is turned off goes instead, unless the paragraph's style draws one. Throws Error for
// a border or line style that the hosts do not have.
void setParagraphBorderStyle(const StyleSheet& styles, pugi::xml_node paragraph, int border, int lineStyle);

} // namespace wordproc
