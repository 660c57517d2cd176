// AddInMenu in both builds: built when the host has started (or at once when the add-in comes later),
// found again by captions when a window is activated, and taken away alone when the add-in goes.
#include "platform/wordproc/Instance.h"
#include "tests/addin/AddInFixture.h"

namespace {

using addintest::AddInTest;

class MenuTest : public AddInTest {
protected:
    std::vector<std::string> captions(const automation::CommandBarControls& controls) const {
        std::vector<std::string> all;
        for (int i = 1; i <= controls.Count(); ++i)
            all.push_back(controls.Item(i).caption());
        return all;
    }
    std::vector<int> groupStarts(const automation::CommandBarControls& controls) const {
        std::vector<int> starts;
        for (int i = 1; i <= controls.Count(); ++i) {
            if (controls.Item(i).beginGroup())
                starts.push_back(i);
        }
        return starts;
    }
    // A popup like the add-in's, made by someone else, with the captions given.
    automation::CommandBarControl lookAlikeMenu(const std::vector<std::string>& buttons) const {
        automation::CommandBarControl popup = menuBar().Controls().Add(10, 1, 0, true);
        popup.setCaption("<Brevaro>");
        for (const std::string& caption : buttons)
            popup.Controls().Add(1, 1, 0, true).setCaption(caption);
        return popup;
    }
};

const std::vector<std::string> NineButtons{"运行Brevaro",  "添加份数序号", "显示版头",
                                           "隐藏版头",     "插入横排页面", "校正横排页码",
                                           "插入竖排页面", "帮助手册",     "相关知识"};

TEST_P(MenuTest, TheMenuStandsAtTheEndOfTheMenuBarWithNineButtonsInFourGroups) {
    addinhost::HostedAddIn& hosted =
        *(addIn = std::make_unique<addinhost::HostedAddIn>(build().library, build().classId, build().progId));
    hosted.connect(app, addinhost::ConnectMode::Startup);
    EXPECT_EQ(menuBar().Controls().Count(), 9) << "the menu comes when the host has finished starting";
    hosted.startupComplete();
    automation::CommandBarControls bar = menuBar().Controls();
    ASSERT_EQ(bar.Count(), 10);
    automation::CommandBarControl popup = bar.Item(10);
    EXPECT_EQ(popup.caption(), "<Brevaro>");
    EXPECT_EQ(popup.type(), 10);
    EXPECT_EQ(popup.id(), build().popupId);
    EXPECT_EQ(popup.tooltipText(), "Brevaro");
    EXPECT_TRUE(popup.visible());
    EXPECT_TRUE(popup.temporary());
    EXPECT_EQ(captions(popup.Controls()), NineButtons);
    EXPECT_EQ(groupStarts(popup.Controls()), (std::vector<int>{2, 5, 8}));
    for (int i = 1; i <= 9; ++i) {
        automation::CommandBarControl item = popup.Controls().Item(i);
        EXPECT_EQ(item.type(), 1);
        EXPECT_EQ(item.id(), 1);
        EXPECT_TRUE(item.temporary());
        EXPECT_EQ(item.tooltipText(), "");
    }
    EXPECT_TRUE(messages.empty());
}

TEST_P(MenuTest, AnAddInConnectedAfterStartUpBuildsItsMenuAtOnceAndOnlyOnce) {
    addinhost::HostedAddIn& hosted = connect(addinhost::ConnectMode::AfterStartup);
    ASSERT_EQ(menusCaptioned("<Brevaro>").size(), 1u);
    // A host that reports its start all the same gets no second menu.
    hosted.startupComplete();
    EXPECT_EQ(menusCaptioned("<Brevaro>").size(), 1u);
    EXPECT_EQ(captions(menuBar().Controls().Item("<Brevaro>").Controls()), NineButtons);
    click("运行Brevaro");
    EXPECT_EQ(started.size(), 1u);
}

TEST_P(MenuTest, DisconnectingTakesOnlyTheAddInsMenuAwayAndReconnectingBringsItBack) {
    // What the user and another add-in put on the bar before and after the add-in came.
    menuBar().Controls().Item(1).setCaption("文件");
    automation::CommandBarControl other = menuBar().Controls().Add(10, 1, 0, true);
    other.setCaption("<其他>");
    addinhost::HostedAddIn& hosted = connect();
    automation::CommandBarControl own = menuBar().Controls().Add(1, 1, 0, false);
    own.setCaption("我的按钮");

    hosted.disconnect(addinhost::DisconnectMode::UserClosed);
    EXPECT_EQ(captions(menuBar().Controls()),
              (std::vector<std::string>{"文件", "编辑(&E)", "视图(&V)", "插入(&I)", "格式(&O)", "工具(&T)",
                                        "表格(&A)", "窗口(&W)", "帮助(&H)", "<其他>", "我的按钮"}));

    connect();
    EXPECT_EQ(menusCaptioned("<Brevaro>").size(), 1u);
    EXPECT_EQ(menuBar().Controls().Count(), 12);
    click("运行Brevaro");
    EXPECT_EQ(started.size(), 1u) << "one add-in object answers the click";
    // At the host's shutdown the menu goes too, and the rest stays.
    addIn->disconnect(addinhost::DisconnectMode::HostShutdown);
    EXPECT_TRUE(menusCaptioned("<Brevaro>").empty());
    EXPECT_EQ(menusCaptioned("我的按钮").size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_P(MenuTest, ActivatingAWindowBindsTheButtonsFoundByTheirCaptions) {
    connect();
    menuBar().Controls().Item("<Brevaro>").Delete();
    std::vector<std::string> renamed = NineButtons;
    renamed[7] = "帮助"; // "帮助手册" renamed
    automation::CommandBarControl lookAlike = lookAlikeMenu(renamed);
    click("运行Brevaro");
    EXPECT_TRUE(started.empty()) << "a button made by someone else is not bound yet";

    doc.Activate();
    click("运行Brevaro");
    ASSERT_EQ(started.size(), 1u);
    // The binding stops at the first caption that is not found: neither the renamed button nor the one
    // after it is bound.
    click("帮助");
    click("相关知识");
    EXPECT_EQ(started.size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_P(MenuTest, AWindowActivatedWithoutTheMenuChangesNothingAndShowsNothing) {
    connect();
    menuBar().Controls().Item("<Brevaro>").Delete();
    doc.Activate();
    EXPECT_TRUE(menusCaptioned("<Brevaro>").empty());
    EXPECT_TRUE(messages.empty());
    // Once the add-in is gone, activations reach it no more.
    addIn->disconnect(addinhost::DisconnectMode::UserClosed);
    lookAlikeMenu(NineButtons);
    doc.Activate();
    click("运行Brevaro");
    EXPECT_TRUE(started.empty());
}

TEST_P(MenuTest, AHostWithoutAMenuBarGetsNoMenuAndNoMessage) {
    wordproc::Instance::running(build().hostProgId)->commandBars().remove("Menu Bar");
    EXPECT_NO_THROW(connect());
    EXPECT_NO_THROW(doc.Activate());
    EXPECT_NO_THROW(addIn->disconnect(addinhost::DisconnectMode::HostShutdown));
    EXPECT_TRUE(messages.empty());
    doc.Close();
    app.Quit();
}

INSTANTIATE_TEST_SUITE_P(Builds, MenuTest, ::testing::Values(addintest::wordBuild(), addintest::wpsBuild()),
                         addintest::buildName);

} // namespace
