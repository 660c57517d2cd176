#include "platform/ui/TextControl.h"

#include "platform/text/CodePoints.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"

#include <algorithm>

namespace ui {

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
    if (m_readOnly || !takesTyping())
        return;
    replaceSelection(text::decodeUtf8(filterPasted(Application::current().backend().clipboardText())));
}

char32_t TextControl::filterKey(char32_t key) {
    if (OnKeyPress)
        OnKeyPress(key);
    return key;
}

std::string TextControl::filterPasted(std::string_view utf8) {
    const std::u32string pasted = text::decodeUtf8(utf8);
    std::u32string kept;
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        char32_t c = pasted[i];
        if (c == U'\r' || c == U'\n') {
            if (!multiLine())
                break;
            if (c == U'\r' && i + 1 < pasted.size() && pasted[i + 1] == U'\n')
                ++i;
            c = KeyEnter;
        }
        const char32_t after = filterKey(c);
        if (after == KeyEnter && multiLine())
            kept += U"\r\n";
        else if (after != 0 && after != KeyBackspace)
            kept += after;
    }
    return text::encodeUtf8(kept);
}

void TextControl::userKey(char32_t key) {
    if (key == KeyEnter && !multiLine()) {
        pressEnter();
        return;
    }
    // The key moves the focus on; the control never sees it.
    if (key == KeyTab && !wantTabs())
        return;
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
    assignText(filterPasted(text), Origin::User);
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
