#pragma once
// A new document made from the test template "slots" (tests/data/wordproc/slots.xml): 30 paragraphs,
// five of them in a 2 x 2 table, eight shapes and two bookmarks.

#include "platform/automation/Automation.h"
#include "platform/wordproc/Document.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

class SlotsTest : public ::testing::Test {
protected:
    explicit SlotsTest(const char* progId = "word.Application")
        : templatePath(wordproctest::buildTestTemplate(folder.path(), "slots", "slots.dqx")),
          app(automation::CreateObject(progId)), doc(app.Documents().Add(templatePath)) {}

    std::string paragraph(int n) const { return doc.Paragraphs().Item(n).Range().text(); }
    automation::Range paragraphRange(int n) const { return doc.Paragraphs().Item(n).Range(); }
    // The main part of the document as it stands.
    std::string documentXml() const { return part("word/document.xml"); }
    std::string part(const std::string& name) const {
        return wordproctest::partOf(doc.engine()->toBytes(), name);
    }

    testsupport::TempFolder folder;
    wordproctest::HandOffRecorder recorder;
    std::string templatePath;
    automation::Application app;
    automation::Document doc;
};

class WpsSlotsTest : public SlotsTest {
protected:
    WpsSlotsTest() : SlotsTest("wps.Application") {}
};
