// AddInMenu: the popup "<Brevaro>" at the end of the host's menu bar with the add-in's nine buttons,
// found again by captions whenever a window is activated, and taken away again without touching
// anything else on the bar.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"

#include <array>

namespace addin {

namespace {

// The hosts find bars and controls by name without regard to case; both spellings name one bar.
constexpr const char* MenuBar = "Menu Bar";
constexpr const char* MenuBarFoundAgain = "Menu bar";
constexpr const char* MenuCaption = "<Brevaro>";
constexpr const char* MenuTooltip = "Brevaro";
constexpr int ButtonType = 1;
constexpr int PopupType = 10;
constexpr int CustomControl = 1;

struct MenuButton {
    const char* caption;
    ButtonVariable Dqxhand::*variable;
    bool beginsGroup;
};

// In the menu's order; three buttons begin a group, so the menu shows four.
constexpr std::array<MenuButton, 9> MenuButtons{{
    {"运行Brevaro", &Dqxhand::gDqx, false},
    {"添加份数序号", &Dqxhand::gInput, true},
    {"显示版头", &Dqxhand::gShow, false},
    {"隐藏版头", &Dqxhand::gHide, false},
    {"插入横排页面", &Dqxhand::gIbl, true},
    {"校正横排页码", &Dqxhand::gAbl, false},
    {"插入竖排页面", &Dqxhand::gIhbl, false},
    {"帮助手册", &Dqxhand::gHelp, true},
    {"相关知识", &Dqxhand::gHttp, false},
}};

bool isAddInMenu(const automation::CommandBarControl& control) {
    return control.type() == PopupType && !control.builtIn() && control.caption() == MenuCaption;
}

} // namespace

automation::CommandBars Dqxhand::menuCommandBars() const {
    if (hostBuild().menuBarsThrough == MenuBarsThrough::GlobalApplication)
        return hostGlobal().CommandBars();
    return gWpsApplication.object().CommandBars();
}

void Dqxhand::buildAddInMenu() {
    automation::CommandBars bars = menuCommandBars();
    automation::CommandBar menuBar = bars.Item(MenuBar);
    // Only a menu of ours that is still there goes: the bar keeps everything else.
    removeAddInMenu(menuBar);
    automation::CommandBarControl popup = menuBar.Controls().Add(PopupType, hostBuild().menuPopupId, 0, true);
    popup.setCaption(MenuCaption);
    popup.setVisible(true);
    popup.setTooltipText(MenuTooltip);
    if (hostBuild().keepsMenuPopup)
        AddInMenu = popup;
    automation::CommandBarControls buttons =
        bars.Item(MenuBarFoundAgain).Controls().Item(popup.caption()).Controls();
    for (const MenuButton& row : MenuButtons) {
        automation::CommandBarControl button = buttons.Add(ButtonType, CustomControl, 0, true);
        (this->*row.variable).set(button);
        button.setCaption(row.caption);
        if (row.beginsGroup)
            button.setBeginGroup(true);
    }
}

void Dqxhand::rebindButtons() {
    automation::CommandBarControls buttons = gWpsApplication.object()
                                                 .CommandBars()
                                                 .Item(MenuBarFoundAgain)
                                                 .Controls()
                                                 .Item(MenuCaption)
                                                 .Controls();
    for (const MenuButton& row : MenuButtons)
        (this->*row.variable).set(buttons.Item(row.caption));
}

void Dqxhand::removeAddInMenu(const automation::CommandBar& menuBar) {
    automation::CommandBarControls controls = menuBar.Controls();
    for (int i = controls.Count(); i >= 1; --i) {
        automation::CommandBarControl control = controls.Item(i);
        // The kept popup goes even when its caption was changed.
        if ((AddInMenu && control == *AddInMenu) || isAddInMenu(control))
            control.Delete();
    }
    AddInMenu.reset();
}

void Dqxhand::releaseHostObjects() noexcept {
    for (ButtonVariable* button :
         {&gDqx, &gHelp, &gHttp, &gHide, &gShow, &gInput, &gIbl, &gAbl, &gIhbl, &gNjz, &gNyc, &gNwc, &gNnc})
        button->clear();
    gWpsApplication.clear();
    AddInMenu.reset();
}

} // namespace addin
