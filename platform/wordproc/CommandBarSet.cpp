#include "platform/wordproc/CommandBarSet.h"

#include "platform/wordproc/Error.h"

#include <algorithm>
#include <cctype>

namespace wordproc {

namespace {

struct BuiltInControl {
    int type;
    int id;
    const char* caption;
};

struct BuiltInBar {
    const char* name;
    std::vector<BuiltInControl> controls;
};

const std::vector<BuiltInBar>& builtInBars() {
    static const std::vector<BuiltInBar> bars = {
        {"Menu Bar",
         {{PopupControl, 30002, "文件(&F)"},
          {PopupControl, 30003, "编辑(&E)"},
          {PopupControl, 30004, "视图(&V)"},
          {PopupControl, 30005, "插入(&I)"},
          {PopupControl, 30006, "格式(&O)"},
          {PopupControl, 30007, "工具(&T)"},
          {PopupControl, 30008, "表格(&A)"},
          {PopupControl, 30009, "窗口(&W)"},
          {PopupControl, 30010, "帮助(&H)"}}},
        {"Standard",
         {{ButtonControl, 2520, "新建(&N)"},
          {ButtonControl, 23, "打开(&O)..."},
          {ButtonControl, 3, "保存(&S)"},
          {ButtonControl, 2521, "打印(&P)"}}},
        {"Formatting",
         {{ButtonControl, 113, "加粗(&B)"},
          {ButtonControl, 114, "倾斜(&I)"},
          {ButtonControl, 115, "下划线(&U)"}}},
    };
    return bars;
}

std::string lowered(std::string_view text, bool dropAmpersands) {
    std::string result;
    for (char c : text) {
        if (dropAmpersands && c == '&')
            continue;
        result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

void markDeleted(CommandBarControl& control) {
    control.deleted = true;
    for (const std::shared_ptr<CommandBarControl>& child : control.controls)
        markDeleted(*child);
    control.controls.clear();
}

void restore(CommandBarControl& control, const BuiltInControl& definition) {
    for (const std::shared_ptr<CommandBarControl>& child : control.controls)
        markDeleted(*child);
    control.controls.clear();
    control.type = definition.type;
    control.id = definition.id;
    control.caption = definition.caption;
    control.tooltipText.clear();
    control.visible = true;
    control.beginGroup = false;
    control.deleted = false;
}

std::shared_ptr<CommandBar> makeBuiltIn(const BuiltInBar& definition) {
    auto bar = std::make_shared<CommandBar>();
    bar->name = definition.name;
    bar->builtIn = true;
    for (const BuiltInControl& control : definition.controls) {
        auto made = std::make_shared<CommandBarControl>();
        made->builtIn = true;
        restore(*made, control);
        made->owner = &bar->controls;
        bar->builtInControls.push_back(made);
    }
    bar->controls = bar->builtInControls;
    return bar;
}

} // namespace

bool sameBarName(std::string_view a, std::string_view b) {
    return lowered(a, false) == lowered(b, false);
}

bool sameCaption(std::string_view a, std::string_view b) {
    return lowered(a, true) == lowered(b, true);
}

CommandBarSet::CommandBarSet() {
    for (const BuiltInBar& bar : builtInBars())
        m_bars.push_back(makeBuiltIn(bar));
}

std::shared_ptr<CommandBar> CommandBarSet::find(std::string_view name) const {
    for (const std::shared_ptr<CommandBar>& bar : m_bars) {
        if (sameBarName(bar->name, name))
            return bar;
    }
    return nullptr;
}

std::shared_ptr<CommandBar> CommandBarSet::at(int index) const {
    if (index < 1 || index > count())
        throw Error("所要求的命令栏不存在：第 " + std::to_string(index) + " 个。");
    return m_bars[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<CommandBar> CommandBarSet::add(const std::string& name) {
    if (name.empty() || find(name))
        throw Error("已经有名为“" + name + "”的命令栏。");
    auto bar = std::make_shared<CommandBar>();
    bar->name = name;
    m_bars.push_back(bar);
    return bar;
}

void CommandBarSet::remove(std::string_view name) {
    std::erase_if(m_bars, [&](const std::shared_ptr<CommandBar>& bar) {
        if (!sameBarName(bar->name, name))
            return false;
        for (const std::shared_ptr<CommandBarControl>& control : bar->controls)
            markDeleted(*control);
        bar->deleted = true;
        return true;
    });
}

void CommandBarSet::clear() {
    while (!m_bars.empty()) {
        // A copy: removing the bar frees the name that it would otherwise be compared with.
        const std::string name = m_bars.front()->name;
        remove(name);
    }
}

void CommandBarSet::reset(CommandBar& bar) {
    for (const std::shared_ptr<CommandBarControl>& control : bar.controls) {
        if (!control->builtIn)
            markDeleted(*control);
    }
    bar.controls = bar.builtInControls;
    bar.visible = true;
    for (const BuiltInBar& definition : builtInBars()) {
        if (bar.builtIn && sameBarName(definition.name, bar.name)) {
            for (std::size_t i = 0; i < definition.controls.size() && i < bar.controls.size(); ++i)
                restore(*bar.controls[i], definition.controls[i]);
        }
    }
}

std::shared_ptr<CommandBarControl> CommandBarSet::addControl(ControlList& controls, int type, int id,
                                                             int before, bool temporary) {
    if (type != ButtonControl && type != PopupControl)
        throw Error("不支持这种类型的控件（只有按钮 1 和弹出菜单 10）。");
    if (before < 0 || before > static_cast<int>(controls.size()) + 1)
        throw Error("控件的插入位置无效。");
    auto control = std::make_shared<CommandBarControl>();
    control->type = type;
    control->id = id;
    control->temporary = temporary;
    control->owner = &controls;
    auto at = before == 0 ? controls.end() : controls.begin() + (before - 1);
    controls.insert(at, control);
    return control;
}

std::shared_ptr<CommandBarControl> CommandBarSet::findControl(const ControlList& controls,
                                                              std::string_view caption) {
    for (const std::shared_ptr<CommandBarControl>& control : controls) {
        if (sameCaption(control->caption, caption))
            return control;
    }
    return nullptr;
}

void CommandBarSet::deleteControl(const std::shared_ptr<CommandBarControl>& control) {
    if (control->owner)
        std::erase(*control->owner, control);
    markDeleted(*control);
}

bool CommandBarSet::click(const std::shared_ptr<CommandBarControl>& control) {
    bool cancelDefault = false;
    control->click.emit(control, cancelDefault);
    return cancelDefault;
}

} // namespace wordproc
