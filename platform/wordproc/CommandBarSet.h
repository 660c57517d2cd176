#pragma once
// The command bars of a running word processor: its menu bar and toolbars with their controls, which
// add-ins extend (CommandBars("Menu Bar").Controls.Add) and the user clicks. Bars are found by name and
// controls by caption without regard to letter case; captions also without their "&" accelerator marks.
//
// Built-in bars: "Menu Bar" with the menus 文件 to 帮助 (as popups of their own, without commands in
// them), "Standard" and "Formatting". Every control lives as long as the running word processor; the
// temporary flag is kept and reported, and Quit takes every control with it.

#include "platform/wordproc/Signal.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

// The hosts' control types that the engine has: a button and a popup (a menu of controls).
inline constexpr int ButtonControl = 1;
inline constexpr int PopupControl = 10;

struct CommandBarControl {
    int type = ButtonControl;
    int id = 1; // a built-in control's command, 1 for a custom one (or the id it was added with)
    std::string caption;
    std::string tooltipText;
    bool visible = true;
    bool beginGroup = false;
    bool temporary = false;
    bool builtIn = false;
    bool deleted = false;
    std::vector<std::shared_ptr<CommandBarControl>> controls; // a popup's
    // The list that holds the control: its bar's or its popup's (which live at least as long).
    std::vector<std::shared_ptr<CommandBarControl>>* owner = nullptr;
    // Raised by a click: the control clicked, and whether the host's own action is to be skipped.
    Signal<std::shared_ptr<CommandBarControl>, bool&> click;
};

using ControlList = std::vector<std::shared_ptr<CommandBarControl>>;

struct CommandBar {
    std::string name;
    bool builtIn = false;
    bool visible = true;
    bool deleted = false;
    ControlList controls;
    ControlList builtInControls; // what Reset brings back, in order
};

class CommandBarSet {
public:
    CommandBarSet();

    int count() const { return static_cast<int>(m_bars.size()); }
    // The bar of that name, or null.
    std::shared_ptr<CommandBar> find(std::string_view name) const;
    // The n-th bar (from 1). Throws Error when there is none.
    std::shared_ptr<CommandBar> at(int index) const;
    // A custom bar. Throws Error when a bar of that name exists.
    std::shared_ptr<CommandBar> add(const std::string& name);
    // Takes a bar away, built-in or not: for a custom bar its Delete, for a host that has no such bar.
    void remove(std::string_view name);
    // Everything goes when the word processor ends.
    void clear();

    // Puts a bar back into its built-in state: the controls added to it are deleted, the built-in ones
    // come back with their own captions and settings. A custom bar loses all its controls.
    static void reset(CommandBar& bar);

    // Adds a control to a bar's or a popup's controls, in front of the `before`-th (from 1; 0 at the
    // end). Throws Error for a type the engine has not or a place outside the list.
    static std::shared_ptr<CommandBarControl> addControl(ControlList& controls, int type, int id, int before,
                                                         bool temporary);
    // The first control with that caption, or null.
    static std::shared_ptr<CommandBarControl> findControl(const ControlList& controls,
                                                          std::string_view caption);
    // Deletes the control (and a popup's controls) from the list that holds it.
    static void deleteControl(const std::shared_ptr<CommandBarControl>& control);
    // Raises the control's click event; returns whether a handler cancelled the host's own action.
    static bool click(const std::shared_ptr<CommandBarControl>& control);

private:
    std::vector<std::shared_ptr<CommandBar>> m_bars;
};

// Names and captions compare without regard to ASCII letter case; captions also ignore "&".
bool sameBarName(std::string_view a, std::string_view b);
bool sameCaption(std::string_view a, std::string_view b);

} // namespace wordproc
