// Qt message boxes and file dialogs behind the Prompts interface.
#include "prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

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
                              const QString &filter, const QString &defaultSuffix,
                              bool confirmOverwrite) {
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

SaveChoice Prompts::askSaveChanges(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == discard)
        return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

} // namespace murcad::app
