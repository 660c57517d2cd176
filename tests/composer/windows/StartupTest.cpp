// Start-up on the headless backend: title, the chooser as main form and the paths its creation sets.
#include "composer/windows/Startup.h"
#include "composer/core/ProcessPaths.h"
#include "composer/forms/DocumentFormCatalog.h"
#include "composer/forms/TForm16.h"
#include "composer/windows/TForm1.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "platform/ui/HeadlessBackend.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

class StartupTest : public testing::Test {
protected:
    TempFolder m_home;
    ScopedEnvironment m_data{"XDG_DATA_HOME", m_home.path().string()};
    std::unique_ptr<ui::HeadlessBackend> m_backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend* m_headless = m_backend.get();
    ui::Application m_app{std::move(m_backend)};
};

TEST_F(StartupTest, TheChooserIsTheMainFormAndSetsThePaths) {
    const std::string data = m_home.file("dqx");
    std::filesystem::create_directories(data);
    ini::IniFile(data + "/dqx.ini").writeString("dqx", "fwjg", "某党委");
    ini::IniFile(data + "/dqx.ini").writeString("某党委", "xz", "0");

    composer::startUp(m_app, composer::documentFormCatalog());
    EXPECT_EQ(m_app.title(), "Brevaro v5.0");
    auto* chooser = dynamic_cast<composer::TForm1*>(m_app.mainForm());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->caption(), "请选择行文格式：")
        << "the window's caption is the chooser's, not the title";
    EXPECT_EQ(chooser->bounds().width, 458);
    EXPECT_EQ(chooser->bounds().height, 357);
    EXPECT_FALSE(chooser->visible()) << "shown by the message loop";
    EXPECT_EQ(composer::paths().IniPath, data + "/dqx.ini");
    EXPECT_EQ(composer::paths().TemplateFolder, data + "/dang");
}

TEST_F(StartupTest, TheLoopShowsTheChooserAndEndsWhenItCloses) {
    bool shown = false;
    m_headless->setDriver([&](ui::Form& form, const std::function<bool()>&) {
        shown = form.visible() && form.className() == "TForm1";
        form.close();
    });
    EXPECT_EQ(composer::runComposer(m_app, composer::documentFormCatalog()), 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_app.terminated());
    EXPECT_TRUE(std::filesystem::is_directory(m_home.file("dqx"))) << "created at start-up";
}

namespace {
int hiddenFormsCreated = 0;
std::string openedForm;
} // namespace

TEST_F(StartupTest, TheChooserOpensTheFormsThatStartUpWasGiven) {
    const composer::DocumentForms probe{[](composer::TForm1&, std::string_view form) {
                                            openedForm = form;
                                            return true;
                                        },
                                        [](ui::Application&) { ++hiddenFormsCreated; }};
    composer::startUp(m_app, probe);
    EXPECT_EQ(hiddenFormsCreated, 1) << "the hidden forms are created once, at start-up";
    auto& chooser = dynamic_cast<composer::TForm1&>(*m_app.mainForm());
    chooser.RadioButton5.setChecked(true);
    chooser.Button1.userClick();
    EXPECT_EQ(openedForm, "TForm6");
}

TEST_F(StartupTest, StartUpMakesTheIncomingSlipHiddenAndTheChooserOpensItsOwn) {
    const std::string data = m_home.file("dqx");
    std::filesystem::create_directories(data);
    ini::IniFile(data + "/dqx.ini").writeString("dqx", "fwjg", "某县政府");
    ini::IniFile(data + "/dqx.ini").writeString("某县政府", "wwww", "wps");
    std::ofstream(data + "/dqx.ini.jg") << text::utf8ToGb18030("某府\r\n");
    auto slips = [&] {
        std::vector<composer::TForm16*> found;
        for (ui::Form* form : m_app.forms())
            if (auto* slip = dynamic_cast<composer::TForm16*>(form))
                found.push_back(slip);
        return found;
    };

    composer::startUp(m_app, composer::documentFormCatalog());
    ASSERT_EQ(slips().size(), 1u);
    composer::TForm16& hidden = *slips()[0];
    EXPECT_FALSE(hidden.visible());
    EXPECT_EQ(hidden.Button5.caption(), "输出到Wps >>") << "its creation duties ran";
    EXPECT_EQ(hidden.ComboBox1.items(), std::vector<std::string>{"某府"});

    ui::Form* shown = nullptr;
    m_headless->setDriver([&](ui::Form& form, const std::function<bool()>&) {
        shown = &form;
        form.close();
    });
    auto& chooser = dynamic_cast<composer::TForm1&>(*m_app.mainForm());
    chooser.RadioButton21.setChecked(true);
    chooser.Button1.userClick();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->className(), "TForm16");
    EXPECT_NE(shown, &hidden) << "the chooser opens a new instance";
    EXPECT_EQ(slips().size(), 2u);
    EXPECT_FALSE(hidden.visible());
}
