#pragma once
// The automation object model of the word processor, by the member names that its clients call:
// navigation members keep the host's names (Documents(), Paragraphs().Item(n).Range(), Font()), and
// properties are read with x() and written with setX(). Indices count from 1. Every failed call throws
// automation::Error. Handles are cheap values that share the object they stand for.
//
//   automation::Application word = automation::CreateObject("word.Application");
//   automation::Document doc = word.Documents().Add(templatePath);
//   doc.Paragraphs().Item(3).Range().InsertBefore("标题\r");

#include "platform/automation/Application.h"
#include "platform/automation/Bookmarks.h"
#include "platform/automation/Borders.h"
#include "platform/automation/CommandBars.h"
#include "platform/automation/Document.h"
#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Sections.h"
#include "platform/automation/Selection.h"
#include "platform/automation/ShapeRange.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Styles.h"
#include "platform/automation/Tables.h"

#include <string_view>

namespace automation {

// Attaches to the running word processor of the ProgID ("word.Application", "wps.Application"; letter
// case does not matter). Throws Error when none runs.
Application GetActiveObject(std::string_view progId);

// Attaches to the running word processor of the ProgID, or starts one. Throws Error for a ProgID that
// names no word processor.
Application CreateObject(std::string_view progId);

} // namespace automation
