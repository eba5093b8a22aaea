// Qt message boxes and file dialogs behind the Prompts interface.
#include "prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace murcad::app {

void Prompts::warn(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::warning(parent, title, text);
}

bool Prompts::askYesNo(QWidget *parent, const QString &title, const QString &text, bool warning) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (warning)
        return QMessageBox::warning(parent, title, text, buttons, QMessageBox::No) ==
               QMessageBox::Yes;
    return QMessageBox::question(parent, title, text, buttons, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QString Prompts::openFileName(QWidget *parent, const QString &title, const QString &folder,
                              const QString &filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                              const QString &filter, const QString &defaultSuffix) {
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace murcad::app
