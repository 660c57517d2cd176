#include "platform/ui/qt/TextPeers.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/qt/KeyFilter.h"

#include <QComboBox>
#include <QMenu>
#include <QScrollBar>

namespace ui::qt {

namespace {

class EditPeer : public QtPeer {
public:
    explicit EditPeer(ui::TextControl& edit)
        : QtPeer(edit, new FilteredLineEdit(edit, parentWidget(edit))), m_edit(edit) {
        auto* widget = lineEdit();
        QObject::connect(widget, &QLineEdit::textEdited, [this](const QString& text) {
            deliver([this, text] { m_edit.userEdited(fromQt(text)); });
        });
        QObject::connect(widget, &QLineEdit::selectionChanged, [this] { reportSelection(); });
        QObject::connect(widget, &QLineEdit::cursorPositionChanged, [this] { reportSelection(); });
    }
    void update(ui::Property property) override {
        auto* widget = lineEdit();
        switch (property) {
        case ui::Property::Text:
            if (widget->text() != toQt(m_edit.text()))
                widget->setText(toQt(m_edit.text()));
            break;
        case ui::Property::ReadOnly:
            widget->setReadOnly(m_edit.readOnly());
            break;
        case ui::Property::Selection:
            widget->setSelection(toUtf16Index(widget->text(), m_edit.selStart()),
                                 toUtf16Index(widget->text(), m_edit.selStart() + m_edit.selLength()) -
                                     toUtf16Index(widget->text(), m_edit.selStart()));
            break;
        default:
            QtPeer::update(property);
        }
    }

private:
    QLineEdit* lineEdit() const { return static_cast<QLineEdit*>(widget()); }
    void reportSelection() {
        const QString text = lineEdit()->text();
        const int start =
            lineEdit()->hasSelectedText() ? lineEdit()->selectionStart() : lineEdit()->cursorPosition();
        const int length = lineEdit()->hasSelectedText() ? lineEdit()->selectionLength() : 0;
        const int from = toCodePoints(text, start);
        m_edit.userSelected(from, toCodePoints(text, start + length) - from);
    }
    ui::TextControl& m_edit;
};

class MemoPeer : public QtPeer {
public:
    explicit MemoPeer(ui::Memo& memo)
        : QtPeer(memo, new FilteredTextEdit(memo, parentWidget(memo))), m_memo(memo) {
        auto* widget = textEdit();
        QObject::connect(widget, &QPlainTextEdit::textChanged, [this] {
            if (!m_pushing)
                deliver([this] { m_memo.userEdited(withCrLf(textEdit()->toPlainText())); });
        });
        QObject::connect(widget, &QPlainTextEdit::cursorPositionChanged, [this] { reportSelection(); });
        if (auto* rich = dynamic_cast<ui::RichEdit*>(&memo)) {
            widget->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(widget, &QWidget::customContextMenuRequested,
                             [this, rich](const QPoint& at) { showMenu(rich->popupMenu(), at); });
        }
    }
    void update(ui::Property property) override {
        auto* widget = textEdit();
        switch (property) {
        case ui::Property::Text:
            if (withCrLf(widget->toPlainText()) != m_memo.text()) {
                m_pushing = true;
                widget->setPlainText(toQt(m_memo.text()).replace("\r\n", "\n").replace('\r', '\n'));
                m_pushing = false;
                update(ui::Property::Selection);
            }
            break;
        case ui::Property::ReadOnly:
            widget->setReadOnly(m_memo.readOnly());
            break;
        case ui::Property::Bounds:
            widget->setTabChangesFocus(!m_memo.wantTabs());
            widget->setLineWrapMode(m_memo.wordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            widget->setVerticalScrollBarPolicy(scrollPolicy(ui::ScrollBars::Vertical));
            widget->setHorizontalScrollBarPolicy(scrollPolicy(ui::ScrollBars::Horizontal));
            QtPeer::update(property);
            break;
        case ui::Property::ScrollToEnd:
            widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
            break;
        case ui::Property::Selection:
            selectInWidget();
            break;
        default:
            QtPeer::update(property);
        }
    }

private:
    QPlainTextEdit* textEdit() const { return static_cast<QPlainTextEdit*>(widget()); }
    static QString plainOf(const QString& modelText) { return QString(modelText).replace("\r\n", "\n"); }
    static std::string withCrLf(const QString& text) { return fromQt(QString(text).replace('\n', "\r\n")); }
    Qt::ScrollBarPolicy scrollPolicy(ui::ScrollBars direction) const {
        const auto bars = m_memo.scrollBars();
        return bars == direction || bars == ui::ScrollBars::Both ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded;
    }
    // Positions in the model count CR and LF; the widget has only LF.
    void reportSelection() {
        const auto cursor = textEdit()->textCursor();
        const QString text = textEdit()->toPlainText();
        const auto model = [&](int at) {
            return toCodePoints(QString(text.left(at)).replace('\n', "\r\n"), -1);
        };
        const int from = model(cursor.selectionStart());
        m_memo.userSelected(from, model(cursor.selectionEnd()) - from);
    }
    void selectInWidget() {
        const QString model = toQt(m_memo.text());
        const auto widgetIndex = [&](int codePoints) {
            return plainOf(model.left(toUtf16Index(model, codePoints))).size();
        };
        auto cursor = textEdit()->textCursor();
        cursor.setPosition(int(widgetIndex(m_memo.selStart())));
        cursor.setPosition(int(widgetIndex(m_memo.selStart() + m_memo.selLength())), QTextCursor::KeepAnchor);
        textEdit()->setTextCursor(cursor);
    }
    void showMenu(const ui::PopupMenu& menu, const QPoint& at) {
        QMenu popup;
        for (const auto& item : menu.items()) {
            if (item.isSeparator())
                popup.addSeparator();
            else
                QObject::connect(popup.addAction(toQt(item.caption)), &QAction::triggered,
                                 [&item] { deliver(item.OnClick); });
        }
        popup.exec(textEdit()->viewport()->mapToGlobal(at));
    }
    ui::Memo& m_memo;
    bool m_pushing = false;
};

class ComboPeer : public QtPeer {
public:
    explicit ComboPeer(ui::ComboBox& combo)
        : QtPeer(combo, new FilteredComboBox(combo, parentWidget(combo))), m_combo(combo) {
        QObject::connect(comboBox(), &QComboBox::activated,
                         [this](int index) { deliver([this, index] { m_combo.userPick(index); }); });
    }
    void update(ui::Property property) override {
        switch (property) {
        case ui::Property::Items:
        case ui::Property::ItemIndex:
        case ui::Property::Text:
            synchronise(property == ui::Property::Items);
            break;
        case ui::Property::ReadOnly:
            applyReadOnly();
            break;
        default:
            QtPeer::update(property);
        }
    }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
    // A read-only drop-down shows any text and changes only by picking from the list.
    void applyReadOnly() {
        if (QLineEdit* edit = comboBox()->lineEdit())
            edit->setReadOnly(m_combo.readOnly());
    }
    void synchronise(bool items) {
        auto* widget = comboBox();
        const bool editable = m_combo.style() == ui::ComboStyle::DropDown;
        const QSignalBlocker block(widget);
        if (widget->isEditable() != editable) {
            static_cast<FilteredComboBox*>(widget)->setStyle(m_combo.style());
            applyReadOnly();
        }
        if (items || widget->count() != m_combo.itemCount()) {
            widget->clear();
            for (const auto& item : m_combo.items())
                widget->addItem(toQt(item));
        }
        if (widget->currentIndex() != m_combo.itemIndex())
            widget->setCurrentIndex(m_combo.itemIndex());
        if (editable && widget->currentText() != toQt(m_combo.text()))
            widget->setEditText(toQt(m_combo.text()));
    }
    ui::ComboBox& m_combo;
};

} // namespace

std::unique_ptr<QtPeer> makeTextPeer(ui::TextControl& control) {
    if (auto* memo = dynamic_cast<ui::Memo*>(&control))
        return std::make_unique<MemoPeer>(*memo);
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
        return std::make_unique<ComboPeer>(*combo);
    return std::make_unique<EditPeer>(control);
}

} // namespace ui::qt
