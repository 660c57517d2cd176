// The windows of the controls without text editing: labels, buttons, check and radio buttons, frames,
// images and list boxes; and the factory that picks a window for any control.
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TextControl.h"
#include "platform/ui/qt/QtPeer.h"
#include "platform/ui/qt/TextPeers.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace ui::qt {

namespace {

class LabelPeer : public QtPeer {
public:
    explicit LabelPeer(ui::Label& label) : QtPeer(label, new QLabel(parentWidget(label))), m_label(label) {}
    void update(ui::Property property) override {
        auto* widget = static_cast<QLabel*>(this->widget());
        if (property == ui::Property::Caption || property == ui::Property::Bounds ||
            property == ui::Property::Font) {
            widget->setText(toQt(m_label.caption()));
            QtPeer::update(property);
            if (m_label.autoSize())
                widget->adjustSize();
            return;
        }
        QtPeer::update(property);
    }

private:
    ui::Label& m_label;
};

// Push buttons, speed buttons, check boxes and radio buttons: a click goes to the model, which then
// decides the checked state that the window shows.
template <class Widget> class ButtonPeer : public QtPeer {
public:
    explicit ButtonPeer(ui::Control& control) : QtPeer(control, new Widget(parentWidget(control))) {
        auto* widget = static_cast<Widget*>(this->widget());
        if constexpr (std::is_same_v<Widget, QPushButton>)
            widget->setAutoDefault(false);
        if constexpr (std::is_same_v<Widget, QRadioButton>)
            widget->setAutoExclusive(false);
        QObject::connect(widget, &QAbstractButton::clicked, [this, &control] {
            deliver([&control] { control.userClick(); });
            update(ui::Property::Checked);
        });
    }
    void update(ui::Property property) override {
        auto* widget = static_cast<Widget*>(this->widget());
        switch (property) {
        case ui::Property::Caption:
            widget->setText(toQt(control().caption()));
            break;
        case ui::Property::Checked:
            if (auto* box = dynamic_cast<ui::CheckBox*>(&control()))
                widget->setChecked(box->checked());
            if (auto* radio = dynamic_cast<ui::RadioButton*>(&control()))
                widget->setChecked(radio->checked());
            break;
        case ui::Property::Default:
            if (auto* button = dynamic_cast<ui::Button*>(&control()))
                if (auto* push = qobject_cast<QPushButton*>(widget))
                    push->setDefault(button->isDefault());
            break;
        case ui::Property::Picture:
            if (auto* speed = dynamic_cast<ui::SpeedButton*>(&control()); speed && !speed->glyph().empty())
                widget->setIcon(QIcon(toQt(speed->glyph())));
            break;
        default:
            QtPeer::update(property);
        }
    }
};

class ClickableLabel : public QLabel {
public:
    ClickableLabel(ui::Control& control, QWidget* parent) : QLabel(parent), m_control(control) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            deliver([this] { m_control.userClick(); });
    }

private:
    ui::Control& m_control;
};

class ImagePeer : public QtPeer {
public:
    explicit ImagePeer(ui::Image& image)
        : QtPeer(image, new ClickableLabel(image, parentWidget(image))), m_image(image) {}
    void update(ui::Property property) override {
        auto* widget = static_cast<QLabel*>(this->widget());
        if (property == ui::Property::Picture) {
            widget->setPixmap(m_image.picture().empty() ? QPixmap() : QPixmap(toQt(m_image.picture())));
            widget->setScaledContents(m_image.stretch());
            return;
        }
        QtPeer::update(property);
    }

private:
    ui::Image& m_image;
};

class PanelPeer : public QtPeer {
public:
    explicit PanelPeer(ui::Panel& panel) : QtPeer(panel, new QFrame(parentWidget(panel))), m_panel(panel) {}
    void update(ui::Property property) override {
        if (property == ui::Property::Caption) {
            auto* frame = static_cast<QFrame*>(widget());
            const auto bevel = m_panel.bevel();
            frame->setFrameStyle(bevel == ui::Bevel::None      ? QFrame::NoFrame
                                 : bevel == ui::Bevel::Lowered ? QFrame::Panel | QFrame::Sunken
                                                               : QFrame::Panel | QFrame::Raised);
            return;
        }
        QtPeer::update(property);
    }

private:
    ui::Panel& m_panel;
};

class GroupBoxPeer : public QtPeer {
public:
    explicit GroupBoxPeer(ui::GroupBox& box) : QtPeer(box, new QGroupBox(parentWidget(box))) {}
    void update(ui::Property property) override {
        // A frame without caption keeps the caption's line, as the desktop's frames do: frames side by
        // side stay level, and captions placed over its controls stand where a caption would.
        if (property == ui::Property::Caption)
            static_cast<QGroupBox*>(widget())->setTitle(
                control().caption().empty() ? QString(" ") : toQt(control().caption()));
        else
            QtPeer::update(property);
    }
};

class ListBoxPeer : public QtPeer {
public:
    explicit ListBoxPeer(ui::ListBox& list)
        : QtPeer(list, new QListWidget(parentWidget(list))), m_list(list) {
        auto* widget = static_cast<QListWidget*>(this->widget());
        QObject::connect(widget, &QListWidget::currentRowChanged, [this](int row) {
            if (!m_pushing)
                deliver([this, row] { m_list.userSelect(row); });
        });
        QObject::connect(widget, &QListWidget::itemDoubleClicked,
                         [this] { deliver([this] { m_list.userDoubleClick(); }); });
    }
    void update(ui::Property property) override {
        auto* widget = static_cast<QListWidget*>(this->widget());
        if (property != ui::Property::Items && property != ui::Property::ItemIndex) {
            QtPeer::update(property);
            return;
        }
        m_pushing = true;
        if (property == ui::Property::Items) {
            widget->clear();
            for (const auto& item : m_list.items())
                widget->addItem(toQt(item));
        }
        if (widget->currentRow() != m_list.itemIndex())
            widget->setCurrentRow(m_list.itemIndex());
        m_pushing = false;
    }

private:
    ui::ListBox& m_list;
    bool m_pushing = false;
};

} // namespace

std::unique_ptr<ui::Peer> makeControlPeer(ui::Control& control) {
    std::unique_ptr<QtPeer> peer;
    if (auto* text = dynamic_cast<ui::TextControl*>(&control))
        peer = makeTextPeer(*text);
    else if (auto* list = dynamic_cast<ui::ListBox*>(&control))
        peer = std::make_unique<ListBoxPeer>(*list);
    else if (dynamic_cast<ui::Button*>(&control))
        peer = std::make_unique<ButtonPeer<QPushButton>>(control);
    else if (dynamic_cast<ui::SpeedButton*>(&control))
        peer = std::make_unique<ButtonPeer<QToolButton>>(control);
    else if (dynamic_cast<ui::CheckBox*>(&control))
        peer = std::make_unique<ButtonPeer<QCheckBox>>(control);
    else if (dynamic_cast<ui::RadioButton*>(&control))
        peer = std::make_unique<ButtonPeer<QRadioButton>>(control);
    else if (auto* label = dynamic_cast<ui::Label*>(&control))
        peer = std::make_unique<LabelPeer>(*label);
    else if (auto* image = dynamic_cast<ui::Image*>(&control))
        peer = std::make_unique<ImagePeer>(*image);
    else if (auto* box = dynamic_cast<ui::GroupBox*>(&control))
        peer = std::make_unique<GroupBoxPeer>(*box);
    else if (auto* panel = dynamic_cast<ui::Panel*>(&control))
        peer = std::make_unique<PanelPeer>(*panel);
    else
        peer = std::make_unique<QtPeer>(control, new QWidget(parentWidget(control)));
    peer->initialise();
    return peer;
}

} // namespace ui::qt
