#include "widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QPoint insideArea(const QPoint& wanted, const QSize& size, const QRect& available) {
    const auto along = [](int at, int length, int start, int room) {
        return std::max(start, std::min(at, start + room - length));
    };
    return {along(wanted.x(), size.width(), available.x(), available.width()),
            along(wanted.y(), size.height(), available.y(), available.height())};
}

void keepOnScreen(QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    window.move(
        insideArea(window.pos(), window.frameGeometry().size(), screen->availableGeometry()));
}
