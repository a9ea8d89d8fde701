#pragma once

#include "app/Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real boxes and file dialogs.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;

private:
    QPointer<QWidget> parent_;
};
