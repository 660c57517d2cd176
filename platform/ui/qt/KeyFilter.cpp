#include "platform/ui/qt/KeyFilter.h"

#include "platform/ui/qt/QtPeer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

namespace ui::qt {

int toCodePoints(const QString& text, int utf16Index) {
    return int(text.left(utf16Index).toUcs4().size());
}

int toUtf16Index(const QString& text, int codePoints) {
    int index = 0;
    for (int count = 0; index < text.size() && count < codePoints; ++count)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return index;
}

namespace {

// Runs the filter on one character; an exception in the handler is reported and swallows the key.
char32_t filtered(ui::TextControl& control, char32_t key) {
    char32_t result = 0;
    deliver([&] { result = control.filterKey(key); });
    return result;
}

FilteredKey filterCharacters(ui::TextControl& control, const std::u32string& typed) {
    QString kept;
    bool changed = false;
    for (char32_t c : typed) {
        const char32_t after = filtered(control, c);
        changed = changed || after != c;
        if (after != 0)
            kept += QString::fromUcs4(&after, 1);
    }
    if (!changed)
        return {};
    if (kept.isEmpty())
        return {FilteredKey::Outcome::Swallow, {}};
    return {FilteredKey::Outcome::Replace, kept};
}

} // namespace

FilteredKey filterKeyEvent(ui::TextControl& control, const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (event.key() == Qt::Key_Backspace)
        return filterCharacters(control, std::u32string(1, ui::KeyBackspace));
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        if (!control.multiLine())
            return {};
        return filterCharacters(control, std::u32string(1, ui::KeyEnter));
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F)
        return {};
    const auto ucs4 = text.toUcs4();
    return filterCharacters(control, std::u32string(ucs4.begin(), ucs4.end()));
}

QString filterCommitString(ui::TextControl& control, const QString& text) {
    const auto ucs4 = text.toUcs4();
    const auto result = filterCharacters(control, std::u32string(ucs4.begin(), ucs4.end()));
    return result.outcome == FilteredKey::Outcome::PassOn ? text : result.replacement;
}

std::unique_ptr<QInputMethodEvent> filterInputMethod(ui::TextControl& control,
                                                     const QInputMethodEvent& event) {
    const QString commit = event.commitString();
    if (commit.isEmpty())
        return nullptr;
    const QString kept = filterCommitString(control, commit);
    if (kept == commit)
        return nullptr;
    auto changed = std::make_unique<QInputMethodEvent>(event.preeditString(), event.attributes());
    changed->setCommitString(kept, event.replacementStart(), event.replacementLength());
    return changed;
}

QString filterPastedText(ui::TextControl& control, const QString& text) {
    std::string kept;
    deliver([&] { kept = control.filterPasted(fromQt(text)); });
    return toQt(kept).replace("\r\n", "\n");
}

namespace {

// The same data with its text filtered for the control.
std::unique_ptr<QMimeData> filteredMimeData(ui::TextControl& control, const QMimeData& source) {
    auto filtered = std::make_unique<QMimeData>();
    filtered->setText(filterPastedText(control, source.text()));
    return filtered;
}

} // namespace

FilteredLineEdit::FilteredLineEdit(ui::TextControl& control, QWidget* parent)
    : QLineEdit(parent), m_control(control) {}

void FilteredLineEdit::insertFiltered(const QString& text) {
    if (isReadOnly())
        return;
    const QString kept = filterPastedText(m_control, text);
    if (kept.isEmpty())
        return;
    insert(kept);
    const std::string now = fromQt(this->text());
    deliver([this, now] { m_control.userEdited(now); });
}

void FilteredLineEdit::pasteFiltered(QClipboard::Mode mode) {
    insertFiltered(QApplication::clipboard()->text(mode));
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The standard menu's paste would bypass the filter.
    if (auto* paste = menu->findChild<QAction*>("edit-paste")) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QObject::connect(paste, &QAction::triggered, this, [this] { pasteFiltered(QClipboard::Clipboard); });
    }
    menu->exec(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const auto filtered = filteredMimeData(m_control, *event->mimeData());
    QDropEvent copy(event->position(), event->possibleActions(), filtered.get(), event->buttons(),
                    event->modifiers(), event->type());
    QLineEdit::dropEvent(&copy);
    event->setDropAction(copy.dropAction());
    event->setAccepted(copy.isAccepted());
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const FilteredKey key = filterKeyEvent(m_control, *event);
    if (key.outcome == FilteredKey::Outcome::PassOn) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (key.outcome == FilteredKey::Outcome::Replace && !isReadOnly()) {
        insert(key.replacement);
        const std::string now = fromQt(text());
        deliver([this, now] { m_control.userEdited(now); });
    }
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const auto changed = filterInputMethod(m_control, *event);
    QLineEdit::inputMethodEvent(changed ? changed.get() : event);
}

FilteredTextEdit::FilteredTextEdit(ui::TextControl& control, QWidget* parent)
    : QPlainTextEdit(parent), m_control(control) {}

void FilteredTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_control.multiLine()) {
        // The form's default button takes it.
        event->ignore();
        return;
    }
    const FilteredKey key = filterKeyEvent(m_control, *event);
    if (key.outcome == FilteredKey::Outcome::PassOn) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (key.outcome == FilteredKey::Outcome::Replace && !isReadOnly())
        insertPlainText(QString(key.replacement).replace('\r', '\n'));
}

void FilteredTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const auto changed = filterInputMethod(m_control, *event);
    QPlainTextEdit::inputMethodEvent(changed ? changed.get() : event);
}

void FilteredTextEdit::insertFromMimeData(const QMimeData* source) {
    // Pastes by key, menu and middle button and drops all come here.
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const auto filtered = filteredMimeData(m_control, *source);
    QPlainTextEdit::insertFromMimeData(filtered.get());
}

FilteredComboBox::FilteredComboBox(ui::ComboBox& control, QWidget* parent)
    : QComboBox(parent), m_control(control) {
    setStyle(control.style());
}

void FilteredComboBox::setStyle(ui::ComboStyle style) {
    const bool editable = style == ui::ComboStyle::DropDown;
    setEditable(editable);
    if (!editable)
        return;
    auto* edit = new FilteredLineEdit(m_control, this);
    setLineEdit(edit);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
        deliver([this, text] { m_control.userEdited(fromQt(text)); });
    });
}

void FilteredComboBox::keyPressEvent(QKeyEvent* event) {
    if (!isEditable()) {
        const FilteredKey key = filterKeyEvent(m_control, *event);
        if (key.outcome == FilteredKey::Outcome::Swallow) {
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

} // namespace ui::qt
