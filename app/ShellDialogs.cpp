#include "app/ShellDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

int QtShellDialogs::RunModal(QDialog& dialog) { return dialog.exec(); }

void QtShellDialogs::ShowMessage(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtShellDialogs::AskMessage(QWidget* owner, const QString& caption, const QString& text, bool withCancel,
                                bool warning) {
    const QMessageBox::StandardButtons buttons = withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text, buttons, owner);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> QtShellDialogs::PickFolder(QWidget* owner, const QString& title, const QString& initialFolder) {
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!initialFolder.isEmpty()) dialog.setDirectory(initialFolder);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}

std::optional<QString> QtShellDialogs::PickSaveFile(QWidget* owner, const QString& defaultSuffix, const QString& filter) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}
