// The handlers' ways of meeting a failing call: silence, or the handler's own message once.
#include "addin/Traps.h"
#include "platform/automation/Error.h"
#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Traps, AFailingStepEndsTheRestSilentlyAndKeepsWhatWasDone) {
    std::vector<int> done;
    addin::endSilently([&] {
        done.push_back(1);
        throw automation::Error("没有名为“Menu Bar”的命令栏。");
        done.push_back(2);
    });
    addin::endSilently([&] { throw 42; });
    addin::endSilently([&] { done.push_back(3); });
    EXPECT_EQ(done, (std::vector<int>{1, 3}));
}

TEST(Traps, AFailingStepShowsTheHandlersOwnMessageOnce) {
    auto backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend& headless = *backend;
    ui::Application app(std::move(backend));
    std::vector<ui::MessageRequest> shown;
    headless.onMessage = [&](const ui::HeadlessBackend::MessageRecord& record) {
        shown.push_back(record.request);
    };

    addin::endWithMessage("错误：未找到输入框！", [] {});
    EXPECT_TRUE(shown.empty());
    addin::endWithMessage("错误：未找到输入框！", [] { throw automation::Error("没有名为“GWXH”的图形。"); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "错误：未找到输入框！");
    EXPECT_EQ(shown[0].caption, "Brevaro");
    EXPECT_EQ(shown[0].buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(shown[0].icon, ui::MessageIcon::None);
}

TEST(Traps, AMessageThatCannotBeShownIsNoFailureEither) {
    // Without a user interface the message box itself fails; the host still sees nothing.
    EXPECT_NO_THROW(addin::endWithMessage("错误", [] { throw automation::Error("x"); }));
}

} // namespace
