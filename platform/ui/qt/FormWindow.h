#pragma once
// The window of a form: a dialog that is shown modelessly, or run with exec() when the form is modal.
// Enter and Escape go to the form's default and cancel buttons; closing the window closes the form.

#include "platform/ui/Form.h"
#include "platform/ui/qt/QtPeer.h"

#include <QDialog>

namespace ui::qt {

class FormWindow : public QDialog {
public:
    explicit FormWindow(ui::Form& form);

    ui::Form& form() const { return m_form; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOnScreen();

    ui::Form& m_form;
    bool m_placed = false;
};

class FormPeer : public QtPeer {
public:
    explicit FormPeer(ui::Form& form);
    void update(ui::Property property) override;
    // Runs the form's modal loop.
    void exec();

private:
    FormWindow& window() const { return *static_cast<FormWindow*>(widget()); }
    void applyStyle();
    void applySize();
    void applyWindowState();
    ui::Form& m_form;
};

} // namespace ui::qt
