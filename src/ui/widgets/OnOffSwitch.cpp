#include "widgets/OnOffSwitch.h"

#include <QPainter>

OnOffSwitch::OnOffSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
}

void OnOffSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QPalette& pal = palette();
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    p.setPen(QPen(pal.color(group, QPalette::Shadow), 1));
    p.setBrush(pal.color(group, isChecked() ? QPalette::Highlight : QPalette::Mid));
    p.drawRoundedRect(track, radius, radius);
    const double d = track.height() - 4;
    const double x = isChecked() ? track.right() - 2 - d : track.left() + 2;
    p.setBrush(pal.color(group, QPalette::Button));
    p.drawEllipse(QRectF(x, track.top() + 2, d, d));
}
