#pragma once

#include <QColor>
#include <QWidget>

// A rotary knob that reports whole-degree angles in (-180, 180], counter-
// clockwise from pointing right; -180 is reported as 180. It starts at -135.
// The pointer follows a mouse drag around the knob; the wheel and the arrow
// keys turn it one degree. Every change of the angle is emitted, also one the
// program sets and also while the dial is disabled.
class AngleDial : public QWidget {
    Q_OBJECT
    // The looks colour the dial through these.
    Q_PROPERTY(QColor trackColor MEMBER trackColor_)
    Q_PROPERTY(QColor valueColor MEMBER valueColor_)
    Q_PROPERTY(QColor knobColor MEMBER knobColor_)
    Q_PROPERTY(QColor pointerColor MEMBER pointerColor_)
public:
    static constexpr int StartAngle = -135;

    explicit AngleDial(QWidget* parent = nullptr);

    int angle() const { return angle_; }
    void setAngle(int degrees);

    // The angle of a point relative to the knob's centre, in whole degrees.
    int angleAt(const QPointF& point) const;

    QSize sizeHint() const override { return {40, 40}; }

signals:
    void angleChanged(int angle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int WheelNotch = 120;
    int angle_ = StartAngle;
    // Wheel turns of less than a notch, kept until they make one.
    int wheelDelta_ = 0;
    QColor trackColor_;
    QColor valueColor_;
    QColor knobColor_;
    QColor pointerColor_;
};
