#include "tests/addin/AddInFixture.h"

#include "platform/shell/DesktopOpener.h"

namespace addintest {

const BuildUnderTest& wordBuild() {
    static const BuildUnderTest build{"Word",
                                      DQX_ADDIN_MS,
                                      addinhost::guid("{97BF2852-A07B-422D-86C2-14CA5F2B512A}"),
                                      "MSAddins.Dqxhand",
                                      "word.Application",
                                      1};
    return build;
}

const BuildUnderTest& wpsBuild() {
    static const BuildUnderTest build{"Wps",
                                      DQX_ADDIN_KS,
                                      addinhost::guid("{29C4C16C-07A9-41E9-ACFB-E1FA3E4AA2F9}"),
                                      "KSAddins.Dqxhand",
                                      "wps.Application",
                                      10561};
    return build;
}

std::string buildName(const ::testing::TestParamInfo<BuildUnderTest>& info) {
    return info.param.name;
}

AddInTest::AddInTest()
    : app(automation::CreateObject(GetParam().hostProgId)),
      doc(app.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"))) {
    auto backend = std::make_unique<ui::HeadlessBackend>();
    headless = backend.get();
    userInterface = std::make_unique<ui::Application>(std::move(backend));
    headless->onMessage = [this](const ui::HeadlessBackend::MessageRecord& record) {
        messages.push_back(record.request.caption + ": " + record.request.text);
    };
    shell::setProgramStarter([this](const Argv& argv) {
        started.push_back(argv);
        return programsStart;
    });
    menuBar().Reset();
}

AddInTest::~AddInTest() {
    addIn.reset();
    shell::setProgramStarter({});
    // A test may have ended the word processor: the next one starts afresh with a clean menu bar.
    automation::Application running = automation::CreateObject(GetParam().hostProgId);
    running.CommandBars().Item("Menu Bar").Reset();
    for (int i = running.Documents().Count(); i >= 1; --i)
        running.Documents().Item(i).Close();
}

addinhost::HostedAddIn& AddInTest::connect(addinhost::ConnectMode mode) {
    if (!addIn)
        addIn = std::make_unique<addinhost::HostedAddIn>(build().library, build().classId, build().progId);
    addIn->connect(app, mode);
    if (mode == addinhost::ConnectMode::Startup)
        addIn->startupComplete();
    return *addIn;
}

std::vector<automation::CommandBarControl> AddInTest::menusCaptioned(const std::string& caption) const {
    std::vector<automation::CommandBarControl> found;
    automation::CommandBarControls controls = menuBar().Controls();
    for (int i = 1; i <= controls.Count(); ++i) {
        if (controls.Item(i).caption() == caption)
            found.push_back(controls.Item(i));
    }
    return found;
}

automation::CommandBarControl AddInTest::button(const std::string& caption) const {
    return menuBar().Controls().Item("<Brevaro>").Controls().Item(caption);
}

} // namespace addintest
