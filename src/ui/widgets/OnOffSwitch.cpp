#include "widgets/OnOffSwitch.h"

#include "widgets/ThemeColor.h"

#include <QPainter>

OnOffSwitch::OnOffSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
}

void OnOffSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    p.setPen(QPen(themeColor(pointerColor_, *this, QPalette::Shadow), 1));
    p.setBrush(isChecked() ? themeColor(valueColor_, *this, QPalette::Highlight)
                           : themeColor(trackColor_, *this, QPalette::Mid));
    p.drawRoundedRect(track, radius, radius);
    const double d = track.height() - 4;
    const double x = isChecked() ? track.right() - 2 - d : track.left() + 2;
    p.setBrush(themeColor(knobColor_, *this, QPalette::Button));
    p.drawEllipse(QRectF(x, track.top() + 2, d, d));
}
