#include "platform/automation/CommandBars.h"

#include "platform/automation/Error.h"
#include "platform/wordproc/CommandBarSet.h"
#include "platform/wordproc/Instance.h"

namespace automation {

wordproc::CommandBarControl& CommandBarControl::live() const {
    if (m_control->deleted)
        throw Error("这个菜单项已经被删除了。");
    return *m_control;
}

int CommandBarControl::type() const {
    return live().type;
}

int CommandBarControl::id() const {
    return live().id;
}

std::string CommandBarControl::caption() const {
    return live().caption;
}

void CommandBarControl::setCaption(const std::string& caption) const {
    live().caption = caption;
}

std::string CommandBarControl::tooltipText() const {
    return live().tooltipText;
}

void CommandBarControl::setTooltipText(const std::string& text) const {
    live().tooltipText = text;
}

bool CommandBarControl::visible() const {
    return live().visible;
}

void CommandBarControl::setVisible(bool visible) const {
    live().visible = visible;
}

bool CommandBarControl::beginGroup() const {
    return live().beginGroup;
}

void CommandBarControl::setBeginGroup(bool begin) const {
    live().beginGroup = begin;
}

bool CommandBarControl::temporary() const {
    return live().temporary;
}

bool CommandBarControl::builtIn() const {
    return live().builtIn;
}

CommandBarControls CommandBarControl::Controls() const {
    if (live().type != wordproc::PopupControl)
        throw Error("这个菜单项不是弹出菜单，没有下级菜单项。");
    return CommandBarControls(m_control);
}

void CommandBarControl::Delete() const {
    live();
    wordproc::CommandBarSet::deleteControl(m_control);
}

void CommandBarControl::Execute() const {
    live();
    wordproc::CommandBarSet::click(m_control);
}

Connection CommandBarControl::connectClick(ClickHandler handler) const {
    return live().click.connect(
        [handler = std::move(handler)](std::shared_ptr<wordproc::CommandBarControl> control, bool& cancel) {
            handler(CommandBarControl(std::move(control)), cancel);
        });
}

std::vector<std::shared_ptr<wordproc::CommandBarControl>>& CommandBarControls::list() const {
    if (m_bar) {
        if (m_bar->deleted)
            throw Error("这个命令栏已经不在了。");
        return m_bar->controls;
    }
    if (m_popup->deleted)
        throw Error("这个菜单项已经被删除了。");
    return m_popup->controls;
}

int CommandBarControls::Count() const {
    return static_cast<int>(list().size());
}

CommandBarControl CommandBarControls::Item(int index) const {
    auto& controls = list();
    if (index < 1 || index > static_cast<int>(controls.size()))
        throw Error("所要求的菜单项不存在：第 " + std::to_string(index) + " 项。");
    return CommandBarControl(controls[static_cast<std::size_t>(index - 1)]);
}

CommandBarControl CommandBarControls::Item(const std::string& caption) const {
    if (auto control = wordproc::CommandBarSet::findControl(list(), caption))
        return CommandBarControl(control);
    throw Error("没有标题为“" + caption + "”的菜单项。");
}

CommandBarControl CommandBarControls::Add(int type, int id, int before, bool temporary) const {
    return CommandBarControl(wordproc::CommandBarSet::addControl(list(), type, id, before, temporary));
}

wordproc::CommandBar& CommandBar::live() const {
    if (m_bar->deleted)
        throw Error("这个命令栏已经不在了。");
    return *m_bar;
}

std::string CommandBar::name() const {
    return live().name;
}

bool CommandBar::builtIn() const {
    return live().builtIn;
}

bool CommandBar::visible() const {
    return live().visible;
}

void CommandBar::setVisible(bool visible) const {
    live().visible = visible;
}

CommandBarControls CommandBar::Controls() const {
    live();
    return CommandBarControls(m_bar);
}

void CommandBar::Reset() const {
    wordproc::CommandBarSet::reset(live());
}

int CommandBars::Count() const {
    return m_instance->commandBars().count();
}

CommandBar CommandBars::Item(int index) const {
    return CommandBar(m_instance->commandBars().at(index));
}

CommandBar CommandBars::Item(const std::string& name) const {
    if (auto bar = m_instance->commandBars().find(name))
        return CommandBar(bar);
    throw Error("没有名为“" + name + "”的命令栏。");
}

CommandBar CommandBars::Add(const std::string& name) const {
    return CommandBar(m_instance->commandBars().add(name));
}

} // namespace automation
