#pragma once
// A host for the add-in's libraries in the test process: the embedded word processor with a document,
// a registry store of its own, a user interface without windows that records message boxes, and a
// program starter that records what the add-in starts.

#include "platform/addinhost/HostedAddIn.h"
#include "platform/automation/Automation.h"
#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace addintest {

// One build of the add-in as its tests know it.
struct BuildUnderTest {
    const char* name;
    const char* library;
    addinhost::Guid classId;
    const char* progId;
    const char* hostProgId;
    int popupId;
};

const BuildUnderTest& wordBuild();
const BuildUnderTest& wpsBuild();

// For test names: "Word", "Wps".
std::string buildName(const ::testing::TestParamInfo<BuildUnderTest>& info);

using Argv = std::vector<std::string>;

class AddInTest : public ::testing::TestWithParam<BuildUnderTest> {
protected:
    AddInTest();
    ~AddInTest() override;

    const BuildUnderTest& build() const { return GetParam(); }

    // Loads the build's library and connects the add-in in the mode given; at Startup the host then
    // reports that it has finished starting.
    addinhost::HostedAddIn& connect(addinhost::ConnectMode mode = addinhost::ConnectMode::Startup);

    automation::CommandBar menuBar() const { return app.CommandBars().Item("Menu Bar"); }
    // The controls on the menu bar with that caption.
    std::vector<automation::CommandBarControl> menusCaptioned(const std::string& caption) const;
    // The button of the add-in's menu with that caption.
    automation::CommandBarControl button(const std::string& caption) const;
    void click(const std::string& caption) const { button(caption).Execute(); }

    testsupport::TempFolder folder;
    testsupport::ScopedEnvironment registryPath{"DQX_REGISTRY", folder.file("registry.reg")};
    wordproctest::HandOffRecorder recorder;
    ui::HeadlessBackend* headless = nullptr;
    std::unique_ptr<ui::Application> userInterface;
    std::vector<std::string> messages; // "CAPTION: TEXT" of each message box
    std::vector<Argv> started;         // the programs that the add-in started
    bool programsStart = true;
    automation::Application app;
    automation::Document doc;
    std::unique_ptr<addinhost::HostedAddIn> addIn;
};

} // namespace addintest
