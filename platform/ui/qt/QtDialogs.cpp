#include "platform/ui/qt/QtDialogs.h"

#include "platform/ui/qt/QtPeer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace ui::qt {

namespace {

QMessageBox::StandardButton standardButton(ui::ModalResult result) {
    static const std::map<ui::ModalResult, QMessageBox::StandardButton> buttons = {
        {ui::ModalResult::Ok, QMessageBox::Ok},         {ui::ModalResult::Cancel, QMessageBox::Cancel},
        {ui::ModalResult::Yes, QMessageBox::Yes},       {ui::ModalResult::No, QMessageBox::No},
        {ui::ModalResult::Abort, QMessageBox::Abort},   {ui::ModalResult::Retry, QMessageBox::Retry},
        {ui::ModalResult::Ignore, QMessageBox::Ignore},
    };
    return buttons.at(result);
}

QMessageBox::Icon iconOf(ui::MessageIcon icon) {
    switch (icon) {
    case ui::MessageIcon::Error:
        return QMessageBox::Critical;
    case ui::MessageIcon::Question:
        return QMessageBox::Question;
    case ui::MessageIcon::Warning:
        return QMessageBox::Warning;
    case ui::MessageIcon::Information:
        return QMessageBox::Information;
    case ui::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

ui::ModalResult showMessageBox(const ui::MessageRequest& request) {
    QMessageBox box(iconOf(request.icon), toQt(request.caption), toQt(request.text));
    const auto results = ui::buttonsOf(request.buttons);
    std::map<QAbstractButton*, ui::ModalResult> resultOf;
    for (ui::ModalResult result : results)
        resultOf[box.addButton(standardButton(result))] = result;
    box.setDefaultButton(standardButton(results.front()));
    // Escape answers Cancel or No where there is one; with OK alone it answers OK.
    for (ui::ModalResult escape : {ui::ModalResult::Cancel, ui::ModalResult::No, ui::ModalResult::Ok})
        if (std::find(results.begin(), results.end(), escape) != results.end()) {
            box.setEscapeButton(box.button(standardButton(escape)));
            break;
        }
    box.exec();
    const auto found = resultOf.find(box.clickedButton());
    return found == resultOf.end() ? results.back() : found->second;
}

std::optional<std::string> showInputBox(const ui::InputRequest& request) {
    QInputDialog dialog;
    dialog.setWindowTitle(toQt(request.caption));
    dialog.setLabelText(toQt(request.prompt));
    dialog.setTextValue(toQt(request.value));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQt(dialog.textValue());
}

QStringList nameFilters(const std::string& filter) {
    const QStringList parts = toQt(filter).split('|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern.trimmed() == "*.*")
                pattern = "*";
        result << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return result;
}

std::optional<std::string> showOpenDialog(const ui::OpenDialog& dialog) {
    QFileDialog files(nullptr, toQt(dialog.title()));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    files.setFileMode(dialog.options().fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(dialog.filter());
    if (!filters.isEmpty()) {
        files.setNameFilters(filters);
        files.selectNameFilter(filters.value(dialog.filterIndex() - 1, filters.front()));
    }
    const QString current = toQt(dialog.fileName());
    if (!dialog.initialDir().empty())
        files.setDirectory(toQt(dialog.initialDir()));
    else if (!current.isEmpty())
        files.setDirectory(QFileInfo(current).absolutePath());
    if (!current.isEmpty())
        files.selectFile(current);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return std::nullopt;
    return fromQt(files.selectedFiles().front());
}

} // namespace ui::qt
