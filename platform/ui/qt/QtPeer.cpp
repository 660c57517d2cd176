#include "platform/ui/qt/QtPeer.h"

#include "platform/ui/Application.h"
#include "platform/ui/Container.h"

#include <QFont>

namespace ui::qt {

void deliver(const std::function<void()>& action) {
    ui::Application::current().deliver(action);
}

QtPeer::QtPeer(ui::Control& control, QWidget* widget) : m_control(control), m_widget(widget) {
    widget->setObjectName(toQt(control.name()));
}

QtPeer::~QtPeer() {
    delete m_widget.data();
}

void QtPeer::initialise() {
    for (auto property :
         {ui::Property::Caption, ui::Property::Text, ui::Property::Items, ui::Property::ItemIndex,
          ui::Property::Checked, ui::Property::Enabled, ui::Property::Hint, ui::Property::Bounds,
          ui::Property::Font, ui::Property::Cursor, ui::Property::ReadOnly, ui::Property::Default,
          ui::Property::Picture, ui::Property::FormStyle, ui::Property::Visible})
        update(property);
}

void QtPeer::update(ui::Property property) {
    QWidget* widget = m_widget.data();
    if (!widget)
        return;
    switch (property) {
    case ui::Property::Bounds: {
        const auto& b = m_control.bounds();
        widget->move(b.left, b.top);
        if (b.width > 0 && b.height > 0)
            widget->resize(b.width, b.height);
        break;
    }
    case ui::Property::Enabled:
        widget->setEnabled(m_control.enabled());
        break;
    case ui::Property::Visible:
        widget->setVisible(m_control.visible());
        break;
    case ui::Property::Hint:
        widget->setToolTip(m_control.showHint() ? toQt(m_control.hint()) : QString());
        break;
    case ui::Property::Font: {
        const auto& font = m_control.font();
        QFont qfont = widget->font();
        if (!font.name.empty())
            qfont.setFamily(toQt(font.name));
        if (font.size > 0)
            qfont.setPointSize(font.size);
        qfont.setBold(font.bold);
        widget->setFont(qfont);
        break;
    }
    case ui::Property::Cursor:
        widget->setCursor(m_control.cursor() == ui::Cursor::HandPoint ? Qt::PointingHandCursor
                                                                      : Qt::ArrowCursor);
        break;
    case ui::Property::Focus:
        widget->setFocus();
        break;
    default:
        break;
    }
}

QWidget* parentWidget(const ui::Control& control) {
    if (!control.parent())
        return nullptr;
    auto* peer = dynamic_cast<QtPeer*>(control.parent()->peer());
    return peer ? peer->widget() : nullptr;
}

} // namespace ui::qt
