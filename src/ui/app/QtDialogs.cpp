#include "app/QtDialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

void QtDialogs::showMessage(const QString& text) {
    QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), text);
}

bool QtDialogs::confirm(const QString& text) {
    // Only No cancels.
    return QMessageBox::question(parent_, QGuiApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

QString QtDialogs::openFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString QtDialogs::saveFileName(const QString& title, const QString& folder, const QString& filter,
                                const QString& defaultSuffix) {
    QFileDialog dialog(parent_, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
