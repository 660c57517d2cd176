#pragma once
// Typed characters on their way to a text widget: each goes through the control's OnKeyPress first,
// which may pass it, change it or swallow it (0). Characters from an input method, pasted and dropped
// text are filtered alike.

#include "platform/ui/ComboBox.h"
#include "platform/ui/TextControl.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <memory>

namespace ui::qt {

// Character positions: the model counts code points, Qt counts UTF-16 units.
int toCodePoints(const QString& text, int utf16Index);
int toUtf16Index(const QString& text, int codePoints);

struct FilteredKey {
    enum class Outcome { PassOn, Swallow, Replace } outcome = Outcome::PassOn;
    QString replacement;
};

// What becomes of a key press; keys that type nothing (arrows, shortcuts, and Enter in a single-line
// control, which belongs to the form's default button) pass on unfiltered.
FilteredKey filterKeyEvent(ui::TextControl& control, const QKeyEvent& event);
// The characters of an input method's commit string that the filter lets through, as changed by it.
QString filterCommitString(ui::TextControl& control, const QString& text);
// The input method event with its commit string filtered, or null when the filter changes nothing.
std::unique_ptr<QInputMethodEvent> filterInputMethod(ui::TextControl& control,
                                                     const QInputMethodEvent& event);
// What the control takes of pasted or dropped text, with the widget's line breaks ("\n").
QString filterPastedText(ui::TextControl& control, const QString& text);

// A line edit whose typing, pasting (keys, context menu, middle button) and dropping go through the
// control's filter.
class FilteredLineEdit : public QLineEdit {
public:
    FilteredLineEdit(ui::TextControl& control, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void pasteFiltered(QClipboard::Mode mode);
    void insertFiltered(const QString& text);

    ui::TextControl& m_control;
};

// A plain text edit whose typing, pasting and dropping go through the control's filter; Tab moves the
// focus on unless the control wants tabs.
class FilteredTextEdit : public QPlainTextEdit {
public:
    FilteredTextEdit(ui::TextControl& control, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    ui::TextControl& m_control;
};

// A drop-down combo edits through a filtered line edit; a drop-down list filters the keys that
// search its items.
class FilteredComboBox : public QComboBox {
public:
    FilteredComboBox(ui::ComboBox& control, QWidget* parent);
    void setStyle(ui::ComboStyle style);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::ComboBox& m_control;
};

} // namespace ui::qt
