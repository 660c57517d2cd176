// The chooser, the settings window and the document forms of every layout on real windows with the interface
// font: every caption fits its control and keeps clear of the frame around it.
#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm15.h"
#include "composer/forms/TForm17.h"
#include "composer/forms/TForm2.h"
#include "composer/forms/TForm5.h"
#include "composer/forms/TForm7.h"
#include "composer/forms/TForm8.h"
#include "composer/windows/TForm1.h"
#include "composer/windows/TForm10.h"
#include "platform/ui/Application.h"
#include "platform/ui/qt/LayoutCheck.h"
#include "platform/ui/qt/QtBackend.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;

namespace {

class WindowCaptions : public ::testing::Test {
protected:
    WindowCaptions() {
        // The document forms load their lists when they are made.
        for (const char* list : {"dqx/dqx.ini.jg", "dqx/dqx.ini.l", "dqx/dqx.ini.r", "dqx/dqx.ini.qf"})
            home.write(list, "");
        // The document forms load the abbreviation and signer lists when they are made.
        home.write("dqx/dqx.ini.jg", "");
        home.write("dqx/dqx.ini.qf", "");
        initialiseProcessPaths();
    }

    testsupport::TempFolder home;
    testsupport::ScopedEnvironment data{"XDG_DATA_HOME", home.path().string()};
    int argc = 1;
    char name[9] = "captions";
    char* argv[2] = {name, nullptr};
    ui::Application app{ui::qt::makeBackend(argc, argv)};
};

using Problems = std::vector<std::string>;

} // namespace

TEST_F(WindowCaptions, NoCaptionIsCutOffOrTouchesItsFrame) {
    TForm1& chooser = app.createForm<TForm1>();
    EXPECT_EQ(ui::qt::crampedCaptions(chooser), Problems{});
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm10>(&chooser)), Problems{});
    TForm2& form = ui::createForm<TForm2>(&chooser);
    EXPECT_EQ(ui::qt::crampedCaptions(form), Problems{});
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm15>(&chooser)), Problems{});
    // The second numbering, with one and with three signers in their row.
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm5>(&chooser)), Problems{});
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm8>(&chooser)), Problems{});
    // The second numbering without signers, and the speech's and the order's own layouts.
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm7>(&chooser)), Problems{});
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm13>(&chooser)), Problems{});
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm12>(&chooser)), Problems{});
    // The older up-going form, on a numbering of its own.
    EXPECT_EQ(ui::qt::crampedCaptions(ui::createForm<TForm17>(&chooser)), Problems{});
}

TEST_F(WindowCaptions, TheMarkCaptionsStandOverTheirOwnCombos) {
    TForm2& form = app.createForm<TForm2>();
    EXPECT_EQ(form.GroupBox2.caption(), "");
    const std::pair<const char*, const ui::Control*> columns[] = {
        {"密级", &form.ComboBox13}, {"保密期限", &form.ComboBox14}, {"紧急程度", &form.ComboBox15}};
    for (const auto& [caption, combo] : columns) {
        const auto* label = dynamic_cast<const ui::Label*>(form.findComponent(combo->name() + "Caption"));
        ASSERT_NE(label, nullptr) << caption;
        EXPECT_EQ(label->caption(), caption);
        EXPECT_EQ(label->parent(), &form.GroupBox2);
        EXPECT_EQ(label->bounds().left, combo->bounds().left) << caption;
        EXPECT_LT(label->bounds().top, combo->bounds().top) << caption;
    }
}
