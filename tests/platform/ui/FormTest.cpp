// Forms, their components and the application: radio groups, check boxes, default and cancel buttons,
// ownership, the exception dialog and posted work.
#include "HeadlessFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

#include <stdexcept>

namespace {

class Chooser : public ui::Form {
public:
    explicit Chooser(ui::Form* owner)
        : ui::Form("TChooser", owner), Panel1(add<ui::Panel>("Panel1")),
          RadioButton1(add<ui::RadioButton>("RadioButton1", Panel1)),
          RadioButton2(add<ui::RadioButton>("RadioButton2", Panel1)),
          GroupBox1(add<ui::GroupBox>("GroupBox1", Panel1)),
          RadioButton3(add<ui::RadioButton>("RadioButton3", GroupBox1)),
          RadioButton4(add<ui::RadioButton>("RadioButton4", GroupBox1)),
          CheckBox1(add<ui::CheckBox>("CheckBox1")), Edit1(add<ui::Edit>("Edit1")),
          Memo1(add<ui::Memo>("Memo1")), Button1(add<ui::Button>("Button1")),
          Button2(add<ui::Button>("Button2")), Timer1(add<ui::Timer>("Timer1")) {
        Button1.setDefault(true);
        Button2.setCancel(true);
        RadioButton1.OnClick = [this] { clicks.push_back("RadioButton1"); };
        RadioButton2.OnClick = [this] { clicks.push_back("RadioButton2"); };
        RadioButton3.OnClick = [this] { clicks.push_back("RadioButton3"); };
        CheckBox1.OnClick = [this] {
            clicks.push_back(CheckBox1.checked() ? "CheckBox1 on" : "CheckBox1 off");
        };
        Button1.OnClick = [this] { clicks.push_back("Button1"); };
        Button2.OnClick = [this] { clicks.push_back("Button2"); };
        OnCreate = [this] { FormCreate(); };
    }
    ~Chooser() override { ++destroyed; }

    ui::Panel& Panel1;
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2;
    ui::GroupBox& GroupBox1;
    ui::RadioButton& RadioButton3;
    ui::RadioButton& RadioButton4;
    ui::CheckBox& CheckBox1;
    ui::Edit& Edit1;
    ui::Memo& Memo1;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Timer& Timer1;

    std::vector<std::string> clicks;
    static inline bool createFails = false;
    static inline int destroyed = 0;

private:
    void FormCreate() {
        setCaption("created");
        if (createFails)
            throw std::runtime_error("Cannot open file \"/x/dqx.ini.jg\". No such file or directory");
        Edit1.setText("after the failing step");
    }
};

using FormTest = HeadlessTest;

} // namespace

TEST_F(FormTest, RadioButtonsExcludeEachOtherOnlyWithinTheirParent) {
    auto& form = ui::createForm<Chooser>(nullptr);
    user([&] { form.RadioButton1.userClick(); });
    user([&] { form.RadioButton3.userClick(); });
    EXPECT_TRUE(form.RadioButton1.checked());
    EXPECT_TRUE(form.RadioButton3.checked());

    user([&] { form.RadioButton2.userClick(); });
    EXPECT_FALSE(form.RadioButton1.checked());
    EXPECT_TRUE(form.RadioButton2.checked());
    EXPECT_TRUE(form.RadioButton3.checked()) << "a group box is a group of its own";

    // Clicking the checked one changes nothing and fires nothing; code that checks one fires OnClick.
    user([&] { form.RadioButton2.userClick(); });
    form.RadioButton4.setChecked(true);
    EXPECT_FALSE(form.RadioButton3.checked());
    form.RadioButton2.setChecked(false);
    EXPECT_FALSE(form.RadioButton2.checked());
    EXPECT_FALSE(form.RadioButton1.checked());
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"RadioButton1", "RadioButton3", "RadioButton2"}))
        << "RadioButton4 has no handler; unchecking fires nothing";
}

TEST_F(FormTest, CheckBoxFiresOnEveryChange) {
    auto& form = ui::createForm<Chooser>(nullptr);
    user([&] { form.CheckBox1.userClick(); });
    form.CheckBox1.setChecked(true);
    form.CheckBox1.setChecked(false);
    user([&] { form.CheckBox1.userClick(); });
    EXPECT_TRUE(form.CheckBox1.checked());
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"CheckBox1 on", "CheckBox1 off", "CheckBox1 on"}));
}

TEST_F(FormTest, EnterPressesTheUsableDefaultButtonAndEscapeTheCancelButton) {
    auto& form = ui::createForm<Chooser>(nullptr);
    form.show();
    form.Edit1.setText("");
    user([&] { form.Edit1.userType("ab\n"); });
    EXPECT_EQ(form.Edit1.text(), "ab");
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Button1"}));

    // Enter in a memo starts a line; the default button stays untouched.
    user([&] { form.Memo1.userType("x\ny"); });
    EXPECT_EQ(form.Memo1.text(), "x\r\ny");
    EXPECT_EQ(form.clicks.size(), 1u);

    form.Button1.setEnabled(false);
    EXPECT_FALSE(form.pressDefaultButton());
    form.Button1.setEnabled(true);
    form.Panel1.setEnabled(false); // not the button's parent: it stays usable
    form.Button1.setVisible(false);
    EXPECT_FALSE(form.pressDefaultButton());
    EXPECT_TRUE(form.pressCancelButton());
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Button1", "Button2"}));
}

TEST_F(FormTest, ComponentsHaveUniqueNamesAndAreFoundByName) {
    auto& form = ui::createForm<Chooser>(nullptr);
    EXPECT_EQ(form.findComponent("Edit1"), &form.Edit1);
    EXPECT_EQ(form.findComponent("Timer1"), &form.Timer1);
    EXPECT_EQ(form.findComponent("Edit9"), nullptr);
    EXPECT_THROW(form.add<ui::Edit>("Edit1"), ui::Error);
    EXPECT_THROW(form.add<ui::Edit>("TChooser"), ui::Error);
    auto& other = ui::createForm<Chooser>(nullptr);
    EXPECT_THROW(form.add<ui::Edit>("Edit2", other.Panel1), ui::Error);
    EXPECT_EQ(form.RadioButton3.parent(), &form.GroupBox1);
    EXPECT_EQ(form.Edit1.parent(), &form);
}

TEST_F(FormTest, OwnedFormsLiveUntilTheirOwnerIsDestroyed) {
    Chooser::destroyed = 0;
    auto& first = app->createForm<Chooser>();
    auto& second = app->createForm<Chooser>();
    EXPECT_EQ(app->mainForm(), &first) << "the first form made by the application is its main form";
    auto& owned = ui::createForm<Chooser>(&second);
    ui::createForm<Chooser>(&owned);
    EXPECT_EQ(owned.owner(), &second);
    EXPECT_EQ(app->forms().size(), 4u);
    app.reset();
    EXPECT_EQ(Chooser::destroyed, 4);
}

TEST_F(FormTest, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
    auto& form = app->createForm<Chooser>();
    form.Button1.OnClick = [] { throw std::runtime_error("'abc' is not a valid integer value"); };
    form.Button2.OnClick = [] { throw std::runtime_error("设置出错！"); };
    then([&](ui::Form&) {
        user([&] { form.Button1.userClick(); });
        user([&] { form.Button2.userClick(); });
        user([&] { throw std::runtime_error("ends with a stop."); });
        user([&] { form.Edit1.userSetText("still running"); });
        user([&] { form.close(); });
    });
    app->run();
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Test program: 'abc' is not a valid integer value.",
                                        "Test program: 设置出错！.", "Test program: ends with a stop."}));
    EXPECT_EQ(headless->lastMessage()->request.icon, ui::MessageIcon::Error);
    EXPECT_EQ(form.Edit1.text(), "still running");
    EXPECT_TRUE(app->terminated());
}

TEST_F(FormTest, AnErrorInOnCreateIsReportedAndTheFormIsStillMade) {
    Chooser::createFails = true;
    auto& form = ui::createForm<Chooser>(nullptr);
    Chooser::createFails = false;
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Test program: Cannot open file \"/x/dqx.ini.jg\". No such file or directory."}));
    EXPECT_EQ(form.caption(), "created");
    EXPECT_EQ(form.Edit1.text(), "") << "the rest of the creation handler is undone";
}

TEST_F(FormTest, ProcessMessagesRunsPendingWorkInsideAHandler) {
    auto& form = app->createForm<Chooser>();
    std::vector<std::string> order;
    form.Button1.OnClick = [&] {
        app->post([&] {
            order.push_back("posted");
            app->post([&] { order.push_back("posted by the posted task"); });
        });
        order.push_back("before");
        app->processMessages();
        order.push_back("after");
    };
    user([&] { form.Button1.userClick(); });
    EXPECT_EQ(order, (std::vector<std::string>{"before", "posted", "after"}));
    app->processMessages();
    EXPECT_EQ(order.back(), "posted by the posted task");
}

TEST_F(FormTest, ClosingTheMainFormEndsTheMessageLoop) {
    auto& main = app->createForm<Chooser>();
    auto& other = app->createForm<Chooser>();
    then([&](ui::Form& running) {
        EXPECT_EQ(&running, &main);
        EXPECT_TRUE(main.visible());
        EXPECT_FALSE(other.visible()) << "only the main form is shown by run()";
        other.show();
        EXPECT_EQ(app->topForm(), &other);
        other.close();
        EXPECT_FALSE(app->terminated()) << "closing another form hides it";
        EXPECT_EQ(app->topForm(), &main);
        main.close();
    });
    app->run();
    EXPECT_TRUE(app->terminated());
    EXPECT_FALSE(main.visible());
}

TEST_F(FormTest, TimerFiresOnTick) {
    auto& form = ui::createForm<Chooser>(nullptr);
    int ticks = 0;
    form.Timer1.OnTimer = [&] { ++ticks; };
    form.Timer1.tick();
    form.Timer1.tick();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(form.Timer1.interval(), 1000);
}
