// The chooser: start-up paths, dispatch of the choices, the settings button and blank documents.
#include "tests/composer/support/FormFixture.h"

#include "composer/windows/ChooserChoices.h"
#include "composer/windows/TForm1.h"
#include "composer/windows/TForm10.h"

#include <set>

using namespace composer;

namespace {

// A document form as the chooser opens it.
class TFormProbe : public ui::Form {
public:
    explicit TFormProbe(ui::Form* owner) : ui::Form("TFormProbe", owner), Edit1(add<ui::Edit>("Edit1")) {}
    ui::Edit& Edit1;
};

class ChooserTest : public FormTest {
protected:
    TForm1& chooser = ui::createForm<TForm1>(nullptr);
    void pressNext() {
        user([&] { chooser.Button1.userClick(); });
    }
};

const char* const NoChoice = "系统提示: 请选择您要输出的文种！";

} // namespace

TEST_F(ChooserTest, CreationSetsTheProcessPaths) {
    const std::string data = (home.path() / "dqx").string();
    EXPECT_EQ(chooser.caption(), "请选择行文格式：");
    EXPECT_TRUE(std::filesystem::is_directory(data));
    EXPECT_EQ(paths().IniPath, data + "/dqx.ini");
    EXPECT_EQ(paths().TemplateFolder, data);
}

TEST_F(ChooserTest, NothingChosenIsReported) {
    pressNext();
    EXPECT_EQ(messages, std::vector<std::string>{NoChoice});
    EXPECT_EQ(headless->lastMessage()->request.owner, &chooser);
    chooser.show();
    user([&] { EXPECT_TRUE(chooser.pressDefaultButton()); }); // Enter
    EXPECT_EQ(messages.size(), 2u);
    chooser.RadioButton15.setChecked(true);
    pressNext();
    EXPECT_EQ(messages.size(), 3u) << "the hidden RadioButton15 counts as no choice";
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
}

TEST_F(ChooserTest, EveryVisibleChoiceIsInOnePanelGroupAndDispatches) {
    std::set<std::string> dispatching;
    for (const ChooserChoice& choice : chooserChoices())
        dispatching.insert(std::string(choice.radio));
    int visible = 0;
    for (ui::Control* control : chooser.Panel1.controls()) {
        auto* radio = dynamic_cast<ui::RadioButton*>(control);
        if (!radio || !radio->visible())
            continue;
        ++visible;
        EXPECT_TRUE(dispatching.contains(radio->name())) << radio->name();
        EXPECT_FALSE(radio->checked()) << "nothing is chosen when the chooser opens";
    }
    EXPECT_EQ(visible, 16);
    chooser.RadioButton3.userClick();
    chooser.RadioButton21.userClick();
    EXPECT_FALSE(chooser.RadioButton3.checked()) << "the three frames make one group";
}

TEST_F(ChooserTest, AChoiceWithoutItsFormDoesNothing) {
    paths().TemplateVariant = 2;
    chooser.RadioButton2.userClick();
    pressNext();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(paths().TemplateVariant, 0);
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
}

TEST_F(ChooserTest, HiddenChoicesSetTheTemplateVariant) {
    const std::pair<ui::RadioButton*, int> variants[] = {
        {&chooser.RadioButton16, 1}, {&chooser.RadioButton19, 2}, {&chooser.RadioButton20, 3},
        {&chooser.RadioButton17, 2}, {&chooser.RadioButton18, 3}, {&chooser.RadioButton10, 0}};
    for (const auto& [radio, variant] : variants) {
        EXPECT_FALSE(radio->visible() && variant != 0) << radio->name();
        radio->setChecked(true);
        pressNext();
        EXPECT_EQ(paths().TemplateVariant, variant) << radio->name();
    }
}

TEST_F(ChooserTest, AFormOpensAsANewModalInstanceWhileTheChooserIsMinimised) {
    TFormProbe* first = nullptr;
    then([&](ui::Form& form) {
        EXPECT_EQ(chooser.windowState(), ui::WindowState::Minimised);
        first = dynamic_cast<TFormProbe*>(&form);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->owner(), &chooser);
        EXPECT_EQ(currentInstance<TFormProbe>(), first);
        first->Edit1.userType("left over");
        user([&] { form.close(); });
    });
    chooser.OpenForm<TFormProbe>();
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);

    then([&](ui::Form& form) {
        auto& second = dynamic_cast<TFormProbe&>(form);
        EXPECT_NE(&second, first);
        EXPECT_EQ(second.Edit1.text(), "") << "a fresh form, not the values of the first";
        EXPECT_EQ(currentInstance<TFormProbe>(), &second);
        user([&] { form.close(); });
    });
    chooser.OpenForm<TFormProbe>();
    EXPECT_EQ(first->Edit1.text(), "left over") << "earlier instances are kept";
}

TEST_F(ChooserTest, TheSettingsButtonOpensTheSettingsWindow) {
    then([&](ui::Form& form) {
        EXPECT_EQ(form.className(), "TForm10");
        EXPECT_EQ(form.owner(), &chooser);
        EXPECT_EQ(chooser.windowState(), ui::WindowState::Minimised);
        user([&] { form.close(); });
    });
    user([&] { chooser.Button2.userClick(); });
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal);
}

TEST_F(ChooserTest, ABlankDocumentThatCannotBeMadeIsReportedAndTheChooserComesBack) {
    // No template is installed in the fresh data folder.
    chooser.RadioButton10.userClick();
    pressNext();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Test program: ", 0), 0u) << "the exception dialog reports it";
    EXPECT_EQ(chooser.windowState(), ui::WindowState::Normal) << "no window is left minimised";
}
