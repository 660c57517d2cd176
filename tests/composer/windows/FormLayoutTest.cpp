// The placement of every window's controls: inside their parent's client area and clear of each other.
#include "tests/composer/support/FormFixture.h"

#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm15.h"
#include "composer/forms/TForm17.h"
#include "composer/windows/TForm1.h"
#include "composer/windows/TForm10.h"
#include "composer/windows/TForm18.h"
#include "composer/windows/TForm19.h"
#include "composer/windows/TForm20.h"
#include "composer/windows/TForm21.h"

using namespace composer;

namespace {

// The frame that a desktop window adds around the client area of a form given by its outer size.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

ui::Bounds clientArea(const ui::Container& container) {
    if (const auto* form = dynamic_cast<const ui::Form*>(&container)) {
        if (form->clientSize())
            return *form->clientSize();
        return {0, 0, form->bounds().width - FrameWidth, form->bounds().height - FrameHeight};
    }
    return {0, 0, container.bounds().width, container.bounds().height};
}

bool overlap(const ui::Bounds& a, const ui::Bounds& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The chooser's radio buttons lie over its frames by design.
bool framedRadio(const ui::Control& a, const ui::Control& b) {
    return (dynamic_cast<const ui::GroupBox*>(&a) && dynamic_cast<const ui::RadioButton*>(&b)) ||
           (dynamic_cast<const ui::GroupBox*>(&b) && dynamic_cast<const ui::RadioButton*>(&a));
}

void checkContainer(const ui::Container& container) {
    const ui::Bounds area = clientArea(container);
    std::vector<const ui::Control*> shown;
    for (const ui::Control* control : container.controls()) {
        if (!control->visible())
            continue;
        const ui::Bounds& b = control->bounds();
        EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= area.width &&
                    b.top + b.height <= area.height)
            << control->name() << " lies outside " << container.name();
        if (b.width > 0 && b.height > 0)
            shown.push_back(control);
        if (const auto* inner = dynamic_cast<const ui::Container*>(control))
            checkContainer(*inner);
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(overlap(shown[i]->bounds(), shown[j]->bounds()) &&
                         !framedRadio(*shown[i], *shown[j]))
                << shown[i]->name() << " overlaps " << shown[j]->name();
}

using FormLayoutTest = FormTest;

} // namespace

TEST_F(FormLayoutTest, EveryWindowKeepsItsControlsInsideAndApart) {
    checkContainer(ui::createForm<TForm1>(nullptr));
    checkContainer(ui::createForm<TForm10>(nullptr));
    checkContainer(ui::createForm<TForm18>(nullptr));
    checkContainer(ui::createForm<TForm19>(nullptr));
    checkContainer(ui::createForm<TForm20>(nullptr));
    checkContainer(ui::createForm<TForm21>(nullptr));
    checkContainer(ui::createForm<TForm15>(nullptr));
    checkContainer(ui::createForm<TForm13>(nullptr));
    checkContainer(ui::createForm<TForm12>(nullptr));
    checkContainer(ui::createForm<TForm17>(nullptr));
}

TEST_F(FormLayoutTest, WindowsHaveTheirSizesAndBorders) {
    const TForm1& chooser = ui::createForm<TForm1>(nullptr);
    EXPECT_EQ(chooser.bounds().width, 458);
    EXPECT_EQ(chooser.bounds().height, 357);
    EXPECT_EQ(chooser.position(), ui::FormPosition::ScreenCenter);
    EXPECT_FALSE(chooser.borderIcons().maximise);
    EXPECT_TRUE(chooser.Button1.isDefault());
    const TForm10& settings = ui::createForm<TForm10>(nullptr);
    EXPECT_EQ(settings.clientSize(), (ui::Bounds{0, 0, 658, 283}));
    EXPECT_EQ(settings.borderStyle(), ui::BorderStyle::Dialog);
    EXPECT_TRUE(settings.Button2.isDefault());
    const TForm21& picker = ui::createForm<TForm21>(nullptr);
    EXPECT_EQ(picker.bounds().width, 477);
    EXPECT_EQ(picker.bounds().height, 421);
    EXPECT_EQ(picker.borderStyle(), ui::BorderStyle::SizeToolWindow);
    EXPECT_EQ(picker.position(), ui::FormPosition::MainFormCenter);
    EXPECT_TRUE(picker.Button5.isDefault());
}
