// The script driver against forms of its own: nested modal forms, dialogs and their answers, and the
// reports of failed lines.
#include "tools/dqx-script/ScriptRunner.h"

#include "platform/shell/DesktopOpener.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class TEditor : public ui::Form {
public:
    explicit TEditor(ui::Form* owner)
        : ui::Form("TEditor", owner), Memo1(add<ui::Memo>("Memo1")), Button1(add<ui::Button>("Button1")),
          Button2(add<ui::Button>("Button2")) {
        Button1.setModalResult(ui::mrOk);
        Button1.setDefault(true);
        Button2.setModalResult(ui::mrCancel);
    }
    ui::Memo& Memo1;
    ui::Button& Button1;
    ui::Button& Button2;
};

class TMain : public ui::Form {
public:
    explicit TMain(ui::Form* owner)
        : ui::Form("TMain", owner), Edit1(add<ui::Edit>("Edit1")), Edit4(add<ui::Edit>("Edit4")),
          ComboBox1(add<ui::ComboBox>("ComboBox1")), ListBox1(add<ui::ListBox>("ListBox1")),
          Button1(add<ui::Button>("Button1")), Button2(add<ui::Button>("Button2")),
          Button3(add<ui::Button>("Button3")), Button4(add<ui::Button>("Button4")),
          Timer1(add<ui::Timer>("Timer1")), RadioButton1(add<ui::RadioButton>("RadioButton1")),
          RadioButton2(add<ui::RadioButton>("RadioButton2")) {
        setCaption("主窗口");
        RadioButton2.setVisible(false);
        Edit1.OnKeyPress = [](char32_t& key) {
            if (key != 8 && (key < U'0' || key > U'9'))
                key = 0;
        };
        Edit4.setReadOnly(true);
        ComboBox1.setItems({"国办发", "国发"});
        ComboBox1.OnChange = [this] { Edit4.setText(ComboBox1.text() == "国发" ? "8" : "1"); };
        ListBox1.setItems({"财政局", "教育局"});
        ListBox1.OnDblClick = [this] { Edit1.setText(std::to_string(ListBox1.itemIndex())); };
        Button1.OnClick = [this] { Button1Click(); };
        Button2.OnClick = [this] {
            if (ui::messageBox("确认？", "确认删除", ui::MessageButtons::YesNo) == ui::mrYes)
                Edit1.setText("yes");
            if (auto name = ui::inputQuery("添加附件", "名称：", ""))
                Edit1.setText(Edit1.text() + *name);
        };
        Button3.setEnabled(false);
        Button4.OnClick = [] {
            if (!shell::openOnDesktop("/帮助/help.html"))
                ui::messageBox("打不开", "提示");
        };
        Timer1.OnTimer = [this] { Edit1.setText(Edit1.text() + "t"); };
        OnCreate = [] { ui::messageBox("启动", "提示"); };
    }
    ui::Edit& Edit1;
    ui::Edit& Edit4;
    ui::ComboBox& ComboBox1;
    ui::ListBox& ListBox1;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;
    ui::Button& Button4;
    ui::Timer& Timer1;
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2; // hidden

private:
    void Button1Click() {
        auto& editor = ui::createForm<TEditor>(this);
        editor.Memo1.setText(Edit1.text());
        if (editor.showModal() == ui::mrOk)
            Edit1.setText(editor.Memo1.lines().empty() ? "" : editor.Memo1.lines().back());
        ui::messageBox("已关闭", "提示");
    }
};

struct Outcome {
    int exitCode;
    std::string output;
};

Outcome runScript(const std::vector<std::string>& lines) {
    std::ostringstream out;
    auto backend = std::make_unique<ui::HeadlessBackend>();
    ui::HeadlessBackend& headless = *backend;
    ui::Application app(std::move(backend));
    app.setTitle("测试");
    dqxscript::ScriptRunner runner(lines, out);
    runner.attach(headless);
    shell::setProgramStarter(
        [&runner](const std::vector<std::string>& argv) { return runner.startProgram(argv); });
    runner.runLeadingAnswers();
    app.createForm<TMain>();
    app.run();
    shell::setProgramStarter({});
    const int exitCode = runner.finish();
    return {exitCode, out.str()};
}

} // namespace

TEST(ScriptRunner, LinesAfterAModalOpeningActOnTheModalFormUntilItCloses) {
    const auto outcome = runScript({
        "type Edit1 12",
        "click Button1",
        "expect TEditor Caption ",
        "expect Memo1 Text 12",
        "type Memo1 \\n34",
        "expect Memo1 Text 12\\n34",
        "click Button1",
        "# back on the main form after the handler went on",
        "expect Edit1 Text 34",
        "expect message 已关闭",
        "click Button1",
        "close",
        "expect Edit1 Text 34",
        "close",
    });
    EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_EQ(outcome.output, "message: 提示: 启动\n"
                              "default: message box answered OK\n"
                              "message: 提示: 已关闭\n"
                              "default: message box answered OK\n"
                              "message: 提示: 已关闭\n"
                              "default: message box answered OK\n");
}

TEST(ScriptRunner, DialogsTakeQueuedAnswersAndLeadingAnswersServeTheStartUp) {
    const auto outcome = runScript({
        "answer message OK",
        "answer message No",
        "answer input 附件一",
        "click Button2",
        "expect Edit1 Text 附件一",
        "answer message Yes",
        "answer input cancel",
        "click Button2",
        "expect Edit1 Text yes",
        "answer message Cancel",
        "click Button2",
        "close",
    });
    EXPECT_EQ(outcome.exitCode, 1) << "Cancel does not fit a Yes/No box";
    EXPECT_EQ(outcome.output, "message: 提示: 启动\n"
                              "message: 确认删除: 确认？\n"
                              "message: 确认删除: 确认？\n"
                              "message: 确认删除: 确认？\n"
                              "line 11: the message box has no button Cancel; pressed Yes\n"
                              "default: input box \"添加附件\" cancelled\n");
}

TEST(ScriptRunner, UserActionsGoThroughTheControlsRules) {
    const auto outcome = runScript({
        "type Edit1 1a2",
        "expect Edit1 Text 12",
        "pick ComboBox1 国发",
        "expect Edit4 Text 8",
        "expect ComboBox1 ItemIndex 1",
        "expect ComboBox1 Items 国办发|国发",
        "pick ListBox1 教育局",
        "click ListBox1",
        "expect Edit1 Text 1",
        "tick Timer1",
        "expect Edit1 Text 1t",
        "type Edit1 \\n",
        "expect TMain Visible true",
        "close",
    });
    EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
}

// A hidden radio button takes no click, but "choose" checks it as a click would; "choose" and "tick"
// take only their kind of component.
TEST(ScriptRunner, ChooseReachesHiddenRadioButtons) {
    const auto outcome = runScript({
        "click RadioButton1",
        "click RadioButton2",
        "choose RadioButton2",
        "expect RadioButton2 Checked true",
        "expect RadioButton1 Checked false",
        "expect RadioButton2 Visible false",
        "choose Edit1",
        "tick Edit1",
        "close",
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, "message: 提示: 启动\n"
                              "default: message box answered OK\n"
                              "line 2: RadioButton2 is not visible\n"
                              "line 7: Edit1 is not a radio button\n"
                              "line 8: Edit1 is not a timer\n");
}

TEST(ScriptRunner, FailedLinesAreReportedWithTheirNumberAndTheScriptGoesOn) {
    const auto outcome = runScript({
        "expect Edit9 Text x",
        "click Button3",
        "set Edit4 1",
        "pick ComboBox1 京政发",
        "set ComboBox1 京政发",
        "expect ComboBox1 Text 京政发",
        "expect Edit1 Checked true",
        "jump Button1",
        "set Edit1 a\\nb",
        "expect TMain Caption 主\\n窗口",
        "close",
        "expect TMain Visible false",
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output,
              "message: 提示: 启动\n"
              "default: message box answered OK\n"
              "line 1: no component \"Edit9\" on TMain\n"
              "line 2: Button3 is disabled\n"
              "line 3: Edit4 is read-only\n"
              "line 4: ComboBox1 has no item \"京政发\"; its items are [\"国办发\", \"国发\"]\n"
              "line 7: Edit1 has no property Checked\n"
              "line 8: unknown command \"jump\"\n"
              "line 9: Edit1 holds one line only\n"
              "line 10: expected TMain Caption \"主\\n窗口\", found \"主窗口\"\n"
              "line 12: no form is open any more; the rest of the script is not run\n");
}

TEST(ScriptRunner, AModalFormLeftOpenAtTheEndIsCancelled) {
    const auto outcome = runScript({"click Button1", "type Memo1 x"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("default: TEditor closed with Cancel: nothing more acts on it\n"),
              std::string::npos)
        << outcome.output;
}

TEST(ScriptRunner, TheDesktopStartsProgramsUntilTheScriptSaysItHasNone) {
    const auto outcome = runScript({
        "click Button4",
        "programs none",
        "click Button4",
        "expect message 打不开",
        "programs some",
        "close",
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, "message: 提示: 启动\n"
                              "default: message box answered OK\n"
                              "program: xdg-open /帮助/help.html\n"
                              "program: xdg-open /帮助/help.html (cannot start)\n"
                              "program: libreoffice --writer /帮助/help.html (cannot start)\n"
                              "message: 提示: 打不开\n"
                              "default: message box answered OK\n"
                              "line 5: programs takes \"none\" or \"all\"\n");
}
