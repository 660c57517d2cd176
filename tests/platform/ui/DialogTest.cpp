// Message boxes, input boxes, the open dialog and the font list on the headless backend.
#include "HeadlessFixture.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/OpenDialog.h"

#include <filesystem>

namespace {

class WithDialog : public ui::Form {
public:
    explicit WithDialog(ui::Form* owner)
        : ui::Form("TWithDialog", owner), OpenDialog1(add<ui::OpenDialog>("OpenDialog1")) {}
    ui::OpenDialog& OpenDialog1;
};

using DialogTest = HeadlessTest;

} // namespace

TEST_F(DialogTest, MessageBoxesTakeQueuedAnswersOrTheirFirstButton) {
    headless->queueMessageAnswer(ui::mrNo);
    headless->queueMessageAnswer(ui::mrYes);
    EXPECT_EQ(ui::messageBox("您确认要删除【甲】的配置吗？", "确认删除", ui::MessageButtons::YesNo,
                             ui::MessageIcon::Warning),
              ui::mrNo);
    EXPECT_EQ(ui::messageBox("请选择您要输出的文种！", "系统提示"), ui::mrOk) << "Yes does not fit: OK";
    EXPECT_EQ(ui::messageBox("继续？", "提示", ui::MessageButtons::YesNoCancel), ui::mrYes);
    EXPECT_EQ(messages, (std::vector<std::string>{"确认删除: 您确认要删除【甲】的配置吗？",
                                                  "系统提示: 请选择您要输出的文种！", "提示: 继续？"}));
    EXPECT_EQ(problems, (std::vector<std::string>{"the message box has no button Yes; pressed OK"}));
    EXPECT_EQ(notes, (std::vector<std::string>{"message box answered Yes"}));
    EXPECT_EQ(headless->lastMessage()->answer, ui::mrYes);
}

TEST_F(DialogTest, InputBoxesGiveTheAnswerOrNothing) {
    headless->queueInputAnswer("财政局");
    headless->queueInputAnswer(std::nullopt);
    EXPECT_EQ(ui::inputQuery("添加附件", "请输入要添加的附件名称：", ""), "财政局");
    EXPECT_EQ(ui::inputQuery("添加附件", "请输入要添加的附件名称：", ""), std::nullopt);
    EXPECT_EQ(ui::inputBox("c", "p", "默认"), "默认") << "nothing queued: cancelled, the default comes back";
    EXPECT_EQ(notes.size(), 1u);
}

TEST_F(DialogTest, TheOpenDialogKeepsItsNameWhenCancelledAndRefusesMissingFiles) {
    auto& form = ui::createForm<WithDialog>(nullptr);
    const std::string existing = DQX_SOURCE_DIR "/CMakeLists.txt";
    form.OpenDialog1.setOptions({.hideReadOnly = true, .fileMustExist = true});
    headless->queueOpenAnswer(existing);
    headless->queueOpenAnswer("/no/such/file.txt");
    EXPECT_TRUE(form.OpenDialog1.execute());
    EXPECT_EQ(form.OpenDialog1.fileName(), existing);
    form.OpenDialog1.setFileName("");
    EXPECT_FALSE(form.OpenDialog1.execute());
    EXPECT_EQ(form.OpenDialog1.fileName(), "");
    EXPECT_EQ(problems.size(), 1u);
    EXPECT_FALSE(form.OpenDialog1.execute());
    EXPECT_EQ(notes, (std::vector<std::string>{"open dialog cancelled"}));
}

TEST_F(DialogTest, ScreenFontsAreSortedAndHoldTheTemplateFonts) {
    const auto fonts = ui::screenFonts();
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "标准公文_仿宋"), fonts.end());
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "标准公文_小标宋"), fonts.end());
}

namespace {

// A machine whose window system knows its faces by their own names only, as a Linux desktop does.
class MachineFonts : public ui::HeadlessBackend {
public:
    std::vector<std::string> fontNames() override {
        return {"Noto Sans CJK SC", "DejaVu Sans", "Noto Sans CJK SC"};
    }
};

} // namespace

TEST(ScreenFonts, OfferTheNamesThatOnlyTheFontRulesResolve) {
    ui::Application app(std::make_unique<MachineFonts>());
    EXPECT_EQ(
        ui::screenFonts(),
        (std::vector<std::string>{"DejaVu Sans", "Noto Sans CJK SC", "仿宋", "仿宋_GB2312", "宋体", "小标宋",
                                  "标准公文_仿宋", "标准公文_小标宋", "楷体", "楷体_GB2312", "黑体"}));
}
