#include "appearance/StyleService.h"

#include "app/Resources.h"

#include <QApplication>

bool setStyleFromResource(const QString& name) {
    const std::optional<QByteArray> sheet = Resources::bytes(name);
    if (!sheet) {
        return false;
    }
    qApp->setStyleSheet(QString::fromUtf8(*sheet));
    return true;
}
