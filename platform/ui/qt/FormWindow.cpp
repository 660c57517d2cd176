#include "platform/ui/qt/FormWindow.h"

#include "platform/ui/Application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace ui::qt {

namespace {

// Outer sizes are given with the frame of a desktop window; the window system adds its own frame
// outside the client area, so that much comes off.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

} // namespace

FormWindow::FormWindow(ui::Form& form) : QDialog(nullptr), m_form(form) {}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        deliver([this] { m_form.pressDefaultButton(); });
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        deliver([this] { m_form.pressCancelButton(); });
        return;
    }
    // Past QDialog, whose own Enter and Escape handling would bypass the form.
    QWidget::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    deliver([this] { m_form.close(); });
}

void FormWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto state = windowState();
    m_form.setWindowState(state & Qt::WindowMinimized   ? ui::WindowState::Minimised
                          : state & Qt::WindowMaximized ? ui::WindowState::Maximised
                                                        : ui::WindowState::Normal);
}

void FormWindow::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
    }
    QDialog::showEvent(event);
}

void FormWindow::placeOnScreen() {
    QRect area;
    switch (m_form.position()) {
    case ui::FormPosition::Designed:
        move(m_form.bounds().left, m_form.bounds().top);
        return;
    case ui::FormPosition::ScreenCenter:
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    case ui::FormPosition::MainFormCenter:
    case ui::FormPosition::OwnerFormCenter: {
        ui::Form* over = m_form.position() == ui::FormPosition::OwnerFormCenter
                             ? m_form.owner()
                             : ui::Application::current().mainForm();
        auto* peer = over ? dynamic_cast<QtPeer*>(over->peer()) : nullptr;
        if (peer && peer->widget()->isVisible() && !peer->widget()->isMinimized())
            area = peer->widget()->geometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    }
    }
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

FormPeer::FormPeer(ui::Form& form) : QtPeer(form, new FormWindow(form)), m_form(form) {}

void FormPeer::update(ui::Property property) {
    switch (property) {
    case ui::Property::Caption:
        window().setWindowTitle(toQt(m_form.caption()));
        break;
    case ui::Property::Bounds:
        applySize();
        break;
    case ui::Property::FormStyle:
        applyStyle();
        break;
    case ui::Property::Visible:
        // A modal form is shown by its loop, which must set the modality before the window appears.
        if (!m_form.isModal())
            window().setVisible(m_form.visible());
        break;
    case ui::Property::WindowState:
        applyWindowState();
        break;
    case ui::Property::ModalResult:
        if (m_form.isModal() && m_form.modalDone() && window().isVisible())
            window().done(0);
        break;
    default:
        QtPeer::update(property);
    }
}

void FormPeer::applySize() {
    window().setMinimumSize(0, 0);
    window().setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const auto& b = m_form.bounds();
    if (const auto& client = m_form.clientSize()) {
        window().resize(client->width, client->height);
    } else if (b.width > 0 && b.height > 0) {
        const bool framed = m_form.borderStyle() != ui::BorderStyle::None;
        window().resize(b.width - (framed ? FrameWidth : 0), b.height - (framed ? FrameHeight : 0));
    }
    const auto style = m_form.borderStyle();
    if (style != ui::BorderStyle::Sizeable && style != ui::BorderStyle::SizeToolWindow)
        window().setFixedSize(window().size());
}

void FormPeer::applyStyle() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    const auto style = m_form.borderStyle();
    if (style == ui::BorderStyle::None)
        flags = Qt::Window | Qt::FramelessWindowHint;
    if (style == ui::BorderStyle::ToolWindow || style == ui::BorderStyle::SizeToolWindow)
        flags |= Qt::Tool;
    const auto& icons = m_form.borderIcons();
    if (icons.systemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons.minimise)
        flags |= Qt::WindowMinimizeButtonHint;
    if (icons.maximise && (style == ui::BorderStyle::Sizeable || style == ui::BorderStyle::SizeToolWindow))
        flags |= Qt::WindowMaximizeButtonHint;
    window().setWindowFlags(flags);
    window().setSizeGripEnabled(false);
    applySize();
}

void FormPeer::applyWindowState() {
    const bool minimised = m_form.windowState() == ui::WindowState::Minimised;
    const bool maximised = m_form.windowState() == ui::WindowState::Maximised;
    if (window().isMinimized() == minimised && window().isMaximized() == maximised)
        return;
    if (!window().isVisible())
        window().setWindowState(minimised   ? Qt::WindowMinimized
                                : maximised ? Qt::WindowMaximized
                                            : Qt::WindowNoState);
    else if (minimised)
        window().showMinimized();
    else if (maximised)
        window().showMaximized();
    else
        window().showNormal();
}

void FormPeer::exec() {
    if (m_form.modalDone())
        return;
    window().exec();
}

} // namespace ui::qt
