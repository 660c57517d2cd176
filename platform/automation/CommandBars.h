#pragma once
// The command bars of the word processor: the menu bar and the toolbars with their controls, which an
// add-in extends with popups and buttons and whose clicks it receives. Bars are found by name and
// controls by caption without regard to letter case (captions also without "&").
//
//   automation::CommandBarControl menu =
//       app.CommandBars().Item("Menu Bar").Controls().Add(10, 1, 0, true);
//   menu.setCaption("<Brevaro>");
//   automation::CommandBarControl button = menu.Controls().Add(1);
//   automation::Connection clicked = button.connectClick([](auto, bool&) { ... });

#include "platform/automation/Events.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wordproc {
class Instance;
struct CommandBar;
struct CommandBarControl;
} // namespace wordproc

namespace automation {

class CommandBarControls;

class CommandBarControl {
public:
    explicit CommandBarControl(std::shared_ptr<wordproc::CommandBarControl> control)
        : m_control(std::move(control)) {}

    // 1 button, 10 popup.
    int type() const;
    int id() const;
    std::string caption() const;
    void setCaption(const std::string& caption) const;
    std::string tooltipText() const;
    void setTooltipText(const std::string& text) const;
    bool visible() const;
    void setVisible(bool visible) const;
    // Whether a separator stands in front of the control.
    bool beginGroup() const;
    void setBeginGroup(bool begin) const;
    bool temporary() const;
    bool builtIn() const;
    // A popup's controls. Throws Error for a button.
    CommandBarControls Controls() const;
    // Removes the control (a popup with its controls); later calls on it throw Error.
    void Delete() const;
    // Clicks the control: raises its Click event, as the host does when the user clicks it.
    void Execute() const;

    // Connects a handler of the Click event: the control clicked and whether to skip the host's own action.
    using ClickHandler = std::function<void(CommandBarControl control, bool& cancelDefault)>;
    [[nodiscard]] Connection connectClick(ClickHandler handler) const;

    // The same control (handles compare by what they stand for).
    bool operator==(const CommandBarControl& other) const { return m_control == other.m_control; }

private:
    wordproc::CommandBarControl& live() const;

    std::shared_ptr<wordproc::CommandBarControl> m_control;
};

// The controls of a bar or of a popup.
class CommandBarControls {
public:
    explicit CommandBarControls(std::shared_ptr<wordproc::CommandBar> bar) : m_bar(std::move(bar)) {}
    explicit CommandBarControls(std::shared_ptr<wordproc::CommandBarControl> popup)
        : m_popup(std::move(popup)) {}

    int Count() const;
    // The n-th control (from 1).
    CommandBarControl Item(int index) const;
    // The first control with that caption. Throws Error when there is none.
    CommandBarControl Item(const std::string& caption) const;
    // A new control (type 1 button, 10 popup; `id` 1 for a custom one) in front of the `before`-th
    // control (0: at the end).
    CommandBarControl Add(int type = 1, int id = 1, int before = 0, bool temporary = false) const;

private:
    // The list of the bar or popup. Throws Error once that is deleted.
    std::vector<std::shared_ptr<wordproc::CommandBarControl>>& list() const;

    std::shared_ptr<wordproc::CommandBar> m_bar;
    std::shared_ptr<wordproc::CommandBarControl> m_popup;
};

class CommandBar {
public:
    explicit CommandBar(std::shared_ptr<wordproc::CommandBar> bar) : m_bar(std::move(bar)) {}

    std::string name() const;
    bool builtIn() const;
    bool visible() const;
    void setVisible(bool visible) const;
    CommandBarControls Controls() const;
    // Back to the built-in state: every control added to it goes, the built-in ones come back as they
    // were.
    void Reset() const;

private:
    wordproc::CommandBar& live() const;

    std::shared_ptr<wordproc::CommandBar> m_bar;
};

class CommandBars {
public:
    explicit CommandBars(std::shared_ptr<wordproc::Instance> instance) : m_instance(std::move(instance)) {}

    int Count() const;
    CommandBar Item(int index) const;
    // The bar of that name ("Menu Bar", "Standard", "Formatting" or one added). Throws Error when
    // there is none.
    CommandBar Item(const std::string& name) const;
    // A bar of one's own.
    CommandBar Add(const std::string& name) const;

private:
    std::shared_ptr<wordproc::Instance> m_instance;
};

} // namespace automation
