#include "widgets/AngleDial.h"

#include "widgets/ThemeColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QtMath>
#include <cmath>

namespace {

int normalized(int degrees) {
    int a = degrees % 360;
    if (a <= -180) {
        a += 360;
    } else if (a > 180) {
        a -= 360;
    }
    return a;
}

// The sweep runs clockwise from -135 to -45: 270 degrees.
constexpr int SweepStart = -135;
constexpr int SweepSpan = 270;

} // namespace

AngleDial::AngleDial(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(40, 40);
}

void AngleDial::setAngle(int degrees) {
    const int a = normalized(degrees);
    if (a == angle_) {
        return;
    }
    angle_ = a;
    update();
    emit angleChanged(angle_);
}

int AngleDial::angleAt(const QPointF& point) const {
    const QPointF centre = QRectF(rect()).center();
    const double radians = std::atan2(-(point.y() - centre.y()), point.x() - centre.x());
    return normalized(int(std::lround(qRadiansToDegrees(radians))));
}

void AngleDial::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setAngle(angleAt(event->position()));
    }
}

void AngleDial::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        setAngle(angleAt(event->position()));
    }
}

void AngleDial::wheelEvent(QWheelEvent* event) {
    // Up turns clockwise, towards the higher levels, a degree a notch.
    // Touchpads send many small parts of a notch: they add up.
    wheelDelta_ += event->angleDelta().y();
    const int steps = wheelDelta_ / WheelNotch;
    wheelDelta_ -= steps * WheelNotch;
    if (steps != 0) {
        setAngle(angle_ - steps);
    }
    event->accept();
}

void AngleDial::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        setAngle(angle_ - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        setAngle(angle_ + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AngleDial::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    const QRectF ring =
        QRectF((width() - side) / 2 + 2, (height() - side) / 2 + 2, side - 4, side - 4);
    const QRectF knob = ring.adjusted(5, 5, -5, -5);

    // QPainter's arcs run counter-clockwise in sixteenths of a degree, as the
    // dial's angles do; the sweep is drawn from its start clockwise.
    QPen track(themeColor(trackColor_, *this, QPalette::Mid), 3, Qt::SolidLine, Qt::FlatCap);
    p.setPen(track);
    p.drawArc(ring, SweepStart * 16, -SweepSpan * 16);
    int travelled = SweepStart - angle_;
    if (travelled < 0) {
        travelled += 360;
    }
    if (travelled > 0 && travelled <= SweepSpan) {
        QPen value(themeColor(valueColor_, *this, QPalette::Highlight), 3, Qt::SolidLine,
                   Qt::FlatCap);
        p.setPen(value);
        p.drawArc(ring, SweepStart * 16, -travelled * 16);
    }

    p.setPen(QPen(themeColor(trackColor_, *this, QPalette::Shadow), 1));
    p.setBrush(themeColor(knobColor_, *this, QPalette::Button));
    p.drawEllipse(knob);

    const double radians = qDegreesToRadians(double(angle_));
    const QPointF centre = knob.center();
    const double r = knob.width() / 2 - 1;
    const QPointF tip(centre.x() + r * std::cos(radians), centre.y() - r * std::sin(radians));
    p.setPen(QPen(themeColor(pointerColor_, *this, QPalette::ButtonText), 2, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(centre + (tip - centre) * 0.3, tip);
}
