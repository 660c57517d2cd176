#pragma once
// The base of the windows that mirror controls: common properties, text conversion and the way user
// actions reach the model.

#include "platform/ui/Control.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace ui::qt {

inline QString toQt(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string fromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

// Runs a user's action on the model; an exception goes to the application's exception dialog.
void deliver(const std::function<void()>& action);

class QtPeer : public ui::Peer {
public:
    QtPeer(ui::Control& control, QWidget* widget);
    ~QtPeer() override;

    QWidget* widget() const { return m_widget.data(); }
    ui::Control& control() const { return m_control; }

    // Common properties; derived peers handle theirs and pass the rest here.
    void update(ui::Property property) override;
    // Applies every property once, after construction.
    void initialise();

private:
    ui::Control& m_control;
    QPointer<QWidget> m_widget;
};

// The widget that a control's window goes into: its parent's.
QWidget* parentWidget(const ui::Control& control);

// Makes the window of a control of any kind (not a form).
std::unique_ptr<ui::Peer> makeControlPeer(ui::Control& control);

} // namespace ui::qt
