#pragma once
// What the template tests share: a built template of one set, opened in the word processor that a form's
// copy serves and filled by slot rows, and the paragraphs and fonts read back from it.

#include "composer/core/ProcessPaths.h"
#include "composer/output/AutomationEditor.h"
#include "composer/output/SlotRows.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// The template of the administrative or the party set (DQX_BUILT_TEMPLATES) as a new document of the
// word processor (`progId`), the rows run on it.
inline automation::Document filledTemplate(const std::string& name, const char* progId, bool party,
                                           const composer::SlotMap& rows, const composer::OutputValues& v) {
    composer::paths().TemplateFolder = std::string(DQX_BUILT_TEMPLATES) + (party ? "/dang" : "");
    automation::Document doc = automation::CreateObject(progId).Documents().Add(composer::templatePath(name));
    composer::AutomationEditor editor(doc);
    for (const composer::SlotRow& row : rows)
        row(v, editor);
    return doc;
}

// The first paragraph whose text starts with the prefix; a test failure, and the first paragraph, when
// none does.
inline automation::Range paragraphStarting(const automation::Document& doc, const std::string& prefix) {
    automation::Paragraphs paragraphs = doc.Paragraphs();
    for (int i = 1; i <= paragraphs.Count(); ++i) {
        automation::Range range = paragraphs.Item(i).Range();
        if (range.text().rfind(prefix, 0) == 0)
            return range;
    }
    ADD_FAILURE() << "no paragraph starts with " << prefix;
    return paragraphs.Item(1).Range();
}

// The East Asian font of the characters [first, last).
inline std::string fontAt(const automation::Document& doc, int first, int last) {
    return doc.Range(first, last).Font().nameFarEast();
}

} // namespace testsupport
