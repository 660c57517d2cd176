// Command bars and events: a popup with buttons added to the menu bar, found again by caption, clicked,
// and taken away by Reset; and the application's WindowActivate event.
#include "platform/automation/Automation.h"
#include "platform/wordproc/Instance.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CommandBarsTest : public ::testing::Test {
protected:
    CommandBarsTest()
        : app(automation::CreateObject("word.Application")), menuBar(app.CommandBars().Item("Menu Bar")) {
        menuBar.Reset();
    }
    ~CommandBarsTest() override { menuBar.Reset(); }

    // The add-in's menu: a temporary popup at the end of the menu bar with two groups of buttons.
    automation::CommandBarControl addMenu() const {
        automation::CommandBarControl popup = menuBar.Controls().Add(10, 1, 0, true);
        popup.setCaption("<Brevaro>");
        popup.setVisible(true);
        popup.setTooltipText("Brevaro");
        automation::CommandBarControls items =
            app.CommandBars().Item("Menu bar").Controls().Item("<Brevaro>").Controls();
        for (const char* caption : {"运行Brevaro", "添加份数序号", "显示版头"}) {
            automation::CommandBarControl button = items.Add(1, 1, 0, true);
            button.setCaption(caption);
            button.setBeginGroup(std::string(caption) == "添加份数序号");
        }
        return popup;
    }

    wordproctest::HandOffRecorder recorder;
    automation::Application app;
    automation::CommandBar menuBar;
};

TEST_F(CommandBarsTest, BarsAreFoundByNameWithoutRegardToCase) {
    EXPECT_EQ(app.CommandBars().Item("MENU BAR").name(), "Menu Bar");
    EXPECT_TRUE(menuBar.builtIn());
    EXPECT_EQ(menuBar.Controls().Count(), 9);
    EXPECT_EQ(menuBar.Controls().Item("文件(F)").caption(), "文件(&F)");
    EXPECT_EQ(app.CommandBars().Item("standard").Controls().Count(), 4);
    EXPECT_THROW(app.CommandBars().Item("Menü Bar"), automation::Error);
    automation::CommandBar own = app.CommandBars().Add("公文");
    EXPECT_FALSE(own.builtIn());
    EXPECT_THROW(app.CommandBars().Add("公文"), automation::Error);
    EXPECT_EQ(app.CommandBars().Item(app.CommandBars().Count()).name(), "公文");
}

TEST_F(CommandBarsTest, APopupWithButtonsIsAppendedAndFoundByItsCaption) {
    automation::CommandBarControl popup = addMenu();
    EXPECT_EQ(menuBar.Controls().Count(), 10);
    EXPECT_EQ(menuBar.Controls().Item(10), popup);
    EXPECT_EQ(popup.type(), 10);
    EXPECT_TRUE(popup.temporary());
    EXPECT_FALSE(popup.builtIn());
    EXPECT_EQ(popup.tooltipText(), "Brevaro");
    automation::CommandBarControls items = popup.Controls();
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Item(1).caption(), "运行Brevaro");
    EXPECT_TRUE(items.Item("添加份数序号").beginGroup());
    EXPECT_FALSE(items.Item(3).beginGroup());
    EXPECT_EQ(items.Item("运行brevaro"), items.Item(1));
    EXPECT_THROW(items.Item("插入横排页面"), automation::Error);
    EXPECT_THROW(items.Item(1).Controls(), automation::Error);
    EXPECT_THROW(items.Add(3), automation::Error);
    // A control added in front of another.
    automation::CommandBarControl first = menuBar.Controls().Add(1, 1, 1);
    EXPECT_EQ(menuBar.Controls().Item(1), first);
    EXPECT_THROW(menuBar.Controls().Add(1, 1, 20), automation::Error);
}

TEST_F(CommandBarsTest, ClicksReachTheConnectedHandlersWhileTheirConnectionsLive) {
    addMenu();
    automation::CommandBarControl button = menuBar.Controls().Item("<Brevaro>").Controls().Item("显示版头");
    std::vector<std::string> clicks;
    automation::Connection show =
        button.connectClick([&](automation::CommandBarControl control, bool& cancel) {
            clicks.push_back(control.caption());
            EXPECT_FALSE(cancel);
        });
    // A second variable on the same control gets the same click.
    automation::Connection again =
        menuBar.Controls()
            .Item("<Brevaro>")
            .Controls()
            .Item(3)
            .connectClick([&](automation::CommandBarControl, bool&) { clicks.push_back("again"); });
    button.Execute();
    EXPECT_EQ(clicks, (std::vector<std::string>{"显示版头", "again"}));
    again.reset();
    button.Execute();
    EXPECT_EQ(clicks.size(), 3u);
    show.reset();
    button.Execute();
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(CommandBarsTest, ResetTakesTheAddedControlsAwayAndBringsTheBuiltInOnesBack) {
    automation::CommandBarControl popup = addMenu();
    automation::CommandBarControl file = menuBar.Controls().Item(1);
    file.setCaption("改过的");
    file.setVisible(false);
    menuBar.Controls().Item(2).Delete();
    EXPECT_EQ(menuBar.Controls().Count(), 9);
    menuBar.Reset();
    EXPECT_EQ(menuBar.Controls().Count(), 9);
    EXPECT_EQ(file.caption(), "文件(&F)");
    EXPECT_TRUE(file.visible());
    EXPECT_EQ(menuBar.Controls().Item(2).caption(), "编辑(&E)");
    EXPECT_THROW(popup.caption(), automation::Error);
    EXPECT_THROW(menuBar.Controls().Item("<Brevaro>"), automation::Error);
    EXPECT_THROW(popup.connectClick([](automation::CommandBarControl, bool&) {}), automation::Error);
}

TEST_F(CommandBarsTest, AHostWithoutAMenuBarHasNoBarOfThatName) {
    auto instance = wordproc::Instance::running("word.Application");
    instance->commandBars().remove("Menu Bar");
    EXPECT_THROW(app.CommandBars().Item("Menu Bar"), automation::Error);
    EXPECT_THROW(menuBar.Controls(), automation::Error);
    // The next word processor started has its menu bar again.
    app.Quit();
    app = automation::CreateObject("word.Application");
    menuBar = app.CommandBars().Item("Menu Bar");
    EXPECT_EQ(menuBar.Controls().Count(), 9);
}

TEST(WindowActivate, ActivatingADocumentsWindowRaisesTheEventWithThatDocument) {
    wordproctest::HandOffRecorder recorder;
    automation::Application app = automation::CreateObject("wps.Application");
    automation::Document first = app.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"));
    automation::Document second = app.Documents().Add(wordproctest::builtTemplate("dqxhp.dqx"));
    std::vector<std::shared_ptr<wordproc::Document>> activated;
    automation::Connection connection =
        app.connectWindowActivate([&](automation::Document document, automation::Window window) {
            activated.push_back(document.engine());
            EXPECT_EQ(window.Document().engine(), document.engine());
        });
    EXPECT_EQ(app.ActiveDocument().engine(), second.engine());
    first.Activate();
    EXPECT_EQ(app.ActiveDocument().engine(), first.engine());
    EXPECT_EQ(app.Selection().start(), 0);
    second.ActiveWindow().Activate();
    ASSERT_EQ(activated.size(), 2u);
    EXPECT_EQ(activated[0], first.engine());
    EXPECT_EQ(activated[1], second.engine());
    connection.reset();
    first.Activate();
    EXPECT_EQ(activated.size(), 2u);
    first.Close();
    EXPECT_THROW(first.Activate(), automation::Error);
    EXPECT_EQ(app.ActiveDocument().engine(), second.engine());
}

} // namespace
