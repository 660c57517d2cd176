#include "platform/ui/qt/LayoutCheck.h"

#include "platform/ui/qt/QtPeer.h"

#include <algorithm>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace ui::qt {

namespace {

// The room a caption needs: what the widget asks for, but for push buttons, whose wish includes a
// minimum width of the style, the text with a little room each side.
int captionWidth(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->fontMetrics().horizontalAdvance(button->text()) + 8;
    return widget.sizeHint().width();
}

bool showsCaption(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return !button->text().isEmpty();
    return false;
}

} // namespace

std::vector<std::string> crampedCaptions(const ui::Form& form, int margin) {
    std::vector<std::string> problems;
    for (const auto& component : form.components()) {
        const auto* control = dynamic_cast<const ui::Control*>(component.get());
        const auto* peer = control ? dynamic_cast<const QtPeer*>(control->peer()) : nullptr;
        const QWidget* widget = peer ? peer->widget() : nullptr;
        if (!widget || !control->visible() || !showsCaption(*widget))
            continue;
        const QRect place = widget->geometry();
        const int needed = captionWidth(*widget);
        if (needed > place.width())
            problems.push_back(control->name() + ": caption needs " + std::to_string(needed) +
                               " pixels, has " + std::to_string(place.width()));
        const QWidget* around = widget->parentWidget();
        const int captionEnd = place.left() + std::min(needed, place.width());
        if (around && captionEnd > around->width() - margin)
            problems.push_back(control->name() + ": caption ends " +
                               std::to_string(around->width() - captionEnd) + " pixels from the edge of " +
                               fromQt(around->objectName()));
    }
    return problems;
}

} // namespace ui::qt
