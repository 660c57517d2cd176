#include "tools/dqx-script/ScriptRunner.h"

#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextControl.h"
#include "platform/ui/Timer.h"
#include "tools/dqx-script/PropertyText.h"

#include <map>

namespace dqxscript {

namespace {

ui::Application& app() {
    return ui::Application::current();
}

std::string quoted(const std::string& text) {
    return "\"" + escape(text) + "\"";
}

std::string itemsText(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ", ") + quoted(item);
    return "[" + out + "]";
}

int indexOf(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

ScriptRunner::ScriptRunner(std::vector<std::string> lines, std::ostream& out)
    : m_lines(std::move(lines)), m_out(out) {}

void ScriptRunner::attach(ui::HeadlessBackend& backend) {
    m_backend = &backend;
    backend.setDriver(
        [this](ui::Form& form, const std::function<bool()>& finished) { drive(form, finished); });
    backend.onMessage = [this](const ui::HeadlessBackend::MessageRecord& record) {
        m_out << "message: " << escape(record.request.caption) << ": " << escape(record.request.text) << '\n';
    };
    backend.onNote = [this](ui::HeadlessBackend::Note kind, const std::string& text) {
        if (kind == ui::HeadlessBackend::Note::Problem)
            fail(text);
        else
            m_out << "default: " << text << '\n';
    };
}

void ScriptRunner::reportDocument(const std::string& path) {
    m_out << "document: " << path << '\n';
}

bool ScriptRunner::startProgram(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& argument : argv)
        line += (line.empty() ? "" : " ") + argument;
    m_out << "program: " << escape(line) << (m_programsStart ? "" : " (cannot start)") << '\n';
    return m_programsStart;
}

void ScriptRunner::programs(const std::string& rest) {
    if (rest == "none" || rest == "all")
        m_programsStart = rest == "all";
    else
        fail("programs takes \"none\" or \"all\"");
}

void ScriptRunner::fail(const std::string& message) {
    m_failed = true;
    m_out << (m_lineNumber > 0 ? "line " + std::to_string(m_lineNumber) : std::string("start-up")) << ": "
          << message << '\n';
}

void ScriptRunner::runLeadingAnswers() {
    while (m_next < m_lines.size()) {
        const auto line = parseLine(static_cast<int>(m_next) + 1, m_lines[m_next]);
        if (line && line->verb != "answer")
            return;
        ++m_next;
        if (line)
            execute(*line);
    }
}

void ScriptRunner::drive(ui::Form&, const std::function<bool()>& finished) {
    while (!finished() && m_next < m_lines.size()) {
        const auto line = parseLine(static_cast<int>(m_next) + 1, m_lines[m_next]);
        ++m_next;
        if (!line)
            continue;
        execute(*line);
        app().processMessages();
    }
}

int ScriptRunner::finish() {
    for (; m_next < m_lines.size(); ++m_next) {
        if (const auto line = parseLine(static_cast<int>(m_next) + 1, m_lines[m_next])) {
            m_lineNumber = line->number;
            fail("no form is open any more; the rest of the script is not run");
            break;
        }
    }
    return m_failed ? 1 : 0;
}

void ScriptRunner::execute(const ScriptLine& line) {
    using Command = void (ScriptRunner::*)(const std::string&);
    static const std::map<std::string, Command> commands = {
        {"click", &ScriptRunner::click},       {"set", &ScriptRunner::setText},
        {"type", &ScriptRunner::typeText},     {"pick", &ScriptRunner::pick},
        {"tick", &ScriptRunner::tick},         {"answer", &ScriptRunner::answer},
        {"choose", &ScriptRunner::choose},     {"expect", &ScriptRunner::expect},
        {"programs", &ScriptRunner::programs},
    };
    m_lineNumber = line.number;
    if (line.verb == "close" && line.rest.empty()) {
        close();
        return;
    }
    const auto found = commands.find(line.verb);
    if (found == commands.end()) {
        fail("unknown command \"" + line.verb + "\"");
        return;
    }
    (this->*found->second)(line.rest);
}

ui::Form* ScriptRunner::topForm() {
    ui::Form* form = app().topForm();
    if (!form)
        fail("no form is open");
    return form;
}

ui::Component* ScriptRunner::find(const std::string& name) {
    ui::Form* form = topForm();
    if (!form)
        return nullptr;
    if (name == form->className())
        return form;
    ui::Component* component = form->findComponent(name);
    if (!component)
        fail("no component \"" + name + "\" on " + form->className());
    return component;
}

ui::Control* ScriptRunner::usableControl(const std::string& name) {
    ui::Component* component = find(name);
    if (!component)
        return nullptr;
    auto* control = dynamic_cast<ui::Control*>(component);
    if (!control)
        fail(name + " is not a control");
    else if (!control->showing())
        fail(name + " is not visible");
    else if (!control->usable())
        fail(name + " is disabled");
    else
        return control;
    return nullptr;
}

void ScriptRunner::click(const std::string& rest) {
    ui::Control* control = usableControl(splitWord(rest).first);
    if (!control)
        return;
    if (auto* list = dynamic_cast<ui::ListBox*>(control))
        app().deliver([list] { list->userDoubleClick(); });
    else
        app().deliver([control] { control->userClick(); });
}

template <class T> T* ScriptRunner::findAs(const std::string& name, const char* kind) {
    ui::Component* component = find(name);
    auto* found = dynamic_cast<T*>(component);
    if (component && !found)
        fail(name + " is not " + kind);
    return found;
}

void ScriptRunner::choose(const std::string& rest) {
    const std::string name = splitWord(rest).first;
    auto* radio = findAs<ui::RadioButton>(name, "a radio button");
    if (radio && !radio->usable())
        fail(name + " is disabled");
    else if (radio)
        app().deliver([radio] { radio->userClick(); });
}

ui::TextControl* ScriptRunner::usableTextControl(const std::string& name) {
    ui::Control* control = usableControl(name);
    auto* text = dynamic_cast<ui::TextControl*>(control);
    if (control && !text)
        fail(name + " takes no text");
    return text;
}

void ScriptRunner::setText(const std::string& rest) {
    const auto [name, text] = splitWord(rest);
    ui::TextControl* control = usableTextControl(name);
    if (!control)
        return;
    const std::string value = unescape(text);
    auto* combo = dynamic_cast<ui::ComboBox*>(control);
    if (control->readOnly())
        fail(name + " is read-only");
    else if (combo && combo->style() == ui::ComboStyle::DropDownList)
        fail(name + " takes no typing; pick one of its items");
    else if (!control->multiLine() && value.find('\n') != std::string::npos)
        fail(name + " holds one line only");
    else
        app().deliver([control, value] { control->userSetText(value); });
}

void ScriptRunner::typeText(const std::string& rest) {
    const auto [name, text] = splitWord(rest);
    ui::TextControl* control = usableTextControl(name);
    if (!control)
        return;
    const std::string value = unescape(text);
    app().deliver([control, value] { control->userType(value); });
}

void ScriptRunner::pick(const std::string& rest) {
    const auto [name, text] = splitWord(rest);
    ui::Control* control = usableControl(name);
    auto* combo = dynamic_cast<ui::ComboBox*>(control);
    auto* list = dynamic_cast<ui::ListBox*>(control);
    if (!combo && !list) {
        if (control)
            fail(name + " has no items to pick from");
        return;
    }
    const std::string item = unescape(text);
    const auto& items = combo ? combo->items() : list->items();
    const int index = indexOf(items, item);
    if (index < 0)
        fail(name + " has no item " + quoted(item) + "; its items are " + itemsText(items));
    else if (combo)
        app().deliver([combo, index] { combo->userPick(index); });
    else
        app().deliver([list, index] { list->userSelect(index); });
}

void ScriptRunner::tick(const std::string& rest) {
    const std::string name = splitWord(rest).first;
    auto* timer = findAs<ui::Timer>(name, "a timer");
    if (timer && !timer->enabled())
        fail(name + " is disabled");
    else if (timer)
        app().deliver([timer] { timer->tick(); });
}

void ScriptRunner::close() {
    if (ui::Form* form = topForm())
        app().deliver([form] { form->close(); });
}

void ScriptRunner::answer(const std::string& rest) {
    static const std::map<std::string, ui::ModalResult> buttons = {
        {"OK", ui::mrOk},       {"Cancel", ui::mrCancel}, {"Yes", ui::mrYes},       {"No", ui::mrNo},
        {"Abort", ui::mrAbort}, {"Retry", ui::mrRetry},   {"Ignore", ui::mrIgnore},
    };
    const auto [kind, text] = splitWord(rest);
    const std::string value = unescape(text);
    if (kind == "message") {
        const auto button = buttons.find(text);
        if (button == buttons.end())
            fail("no message box button \"" + text + "\" (OK, Cancel, Yes, No, Abort, Retry, Ignore)");
        else
            m_backend->queueMessageAnswer(button->second);
    } else if (kind == "input") {
        m_backend->queueInputAnswer(text == "cancel" ? std::nullopt : std::optional<std::string>(value));
    } else if (kind == "open") {
        m_backend->queueOpenAnswer(text == "cancel" ? std::nullopt : std::optional<std::string>(value));
    } else {
        fail("nothing to answer called \"" + kind + "\" (message, input or open)");
    }
}

void ScriptRunner::expect(const std::string& rest) {
    const auto [name, propertyAndValue] = splitWord(rest);
    const std::string wanted =
        escape(unescape(name == "message" ? propertyAndValue : splitWord(propertyAndValue).second));
    if (name == "message") {
        const auto& last = m_backend->lastMessage();
        if (!last)
            fail("expected message \"" + wanted + "\", found no message box");
        else if (escape(last->request.text) != wanted)
            fail("expected message \"" + wanted + "\", found " + quoted(last->request.text));
        return;
    }
    const std::string property = splitWord(propertyAndValue).first;
    ui::Component* component = find(name);
    if (!component)
        return;
    const auto found = propertyText(*component, property);
    if (!found)
        fail(name + " has no property " + property);
    else if (escape(*found) != wanted)
        fail("expected " + name + " " + property + " \"" + wanted + "\", found " + quoted(*found));
}

} // namespace dqxscript
