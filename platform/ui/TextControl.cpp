#include "platform/ui/TextControl.h"

#include "platform/text/CodePoints.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"

#include <algorithm>

namespace ui {

namespace {

// "\n" not preceded by CR becomes CR LF.
std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

TextControl::TextControl(Form* form, std::string name, Container* parent)
    : Control(form, std::move(name), parent) {}

void TextControl::setText(std::string text) {
    assignText(std::move(text), Origin::Code);
}

void TextControl::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    changed(Property::ReadOnly);
}

void TextControl::assignText(std::string text, Origin origin) {
    text = acceptText(std::move(text));
    const bool differs = text != m_text;
    m_text = std::move(text);
    if (origin == Origin::Code) {
        m_selStart = static_cast<int>(text::decodeUtf8(m_text).size());
        m_selLength = 0;
    }
    if (!differs)
        return;
    textChanged();
    changed(Property::Text);
    if (origin == Origin::User || changeEventFromCode())
        fire(OnChange);
}

void TextControl::setSelection(int start, int length) {
    const int size = static_cast<int>(text::decodeUtf8(m_text).size());
    m_selStart = std::clamp(start, 0, size);
    m_selLength = std::clamp(length, 0, size - m_selStart);
    changed(Property::Selection);
}

void TextControl::selectAll() {
    setSelection(0, static_cast<int>(text::decodeUtf8(m_text).size()));
}

std::string TextControl::selText() const {
    const auto all = text::decodeUtf8(m_text);
    return text::encodeUtf8(std::u32string_view(all).substr(m_selStart, m_selLength));
}

void TextControl::replaceSelection(std::u32string_view with) {
    auto all = text::decodeUtf8(m_text);
    all.replace(m_selStart, m_selLength, with);
    m_selStart += static_cast<int>(with.size());
    m_selLength = 0;
    assignText(text::encodeUtf8(all), Origin::User);
}

void TextControl::clearSelection() {
    if (!m_readOnly && m_selLength > 0)
        replaceSelection({});
}

void TextControl::cutToClipboard() {
    if (m_readOnly || m_selLength == 0)
        return;
    copyToClipboard();
    clearSelection();
}

void TextControl::copyToClipboard() {
    if (m_selLength > 0)
        Application::current().backend().setClipboardText(selText());
}

void TextControl::pasteFromClipboard() {
    if (m_readOnly)
        return;
    std::string pasted = Application::current().backend().clipboardText();
    if (multiLine())
        pasted = withCrLf(pasted);
    replaceSelection(text::decodeUtf8(pasted));
}

char32_t TextControl::filterKey(char32_t key) {
    if (OnKeyPress)
        OnKeyPress(key);
    return key;
}

void TextControl::userKey(char32_t key) {
    if (key == KeyEnter && !multiLine()) {
        pressEnter();
        return;
    }
    key = filterKey(key);
    if (key == 0 || m_readOnly || !takesTyping())
        return;
    if (key == KeyBackspace)
        deleteBackwards();
    else if (key == KeyEnter)
        replaceSelection(U"\r\n");
    else
        replaceSelection(std::u32string(1, key));
}

void TextControl::pressEnter() {
    // Without a default button the key reaches the control, which has no use for it.
    if (!form().pressDefaultButton())
        filterKey(KeyEnter);
}

void TextControl::deleteBackwards() {
    if (m_selLength > 0) {
        replaceSelection({});
        return;
    }
    if (m_selStart == 0)
        return;
    const auto all = text::decodeUtf8(m_text);
    const bool lineBreak = m_selStart >= 2 && all[m_selStart - 1] == U'\n' && all[m_selStart - 2] == U'\r';
    const int count = lineBreak ? 2 : 1;
    m_selStart -= count;
    m_selLength = count;
    replaceSelection({});
}

void TextControl::userType(std::string_view text) {
    for (char32_t c : text::decodeUtf8(text))
        userKey(c == U'\n' ? KeyEnter : c);
}

void TextControl::userSetText(std::string text) {
    assignText(multiLine() ? withCrLf(text) : std::move(text), Origin::User);
    m_selStart = static_cast<int>(text::decodeUtf8(m_text).size());
    m_selLength = 0;
}

void TextControl::userEdited(std::string text) {
    assignText(std::move(text), Origin::User);
}

void TextControl::userSelected(int start, int length) {
    m_selStart = start;
    m_selLength = length;
}

} // namespace ui
