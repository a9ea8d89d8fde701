#pragma once

#include <QAbstractButton>
#include <QColor>

// A sliding on/off switch.
class OnOffSwitch : public QAbstractButton {
    Q_OBJECT
    // The looks colour the switch through these; the pointer colour is its
    // outline.
    Q_PROPERTY(QColor trackColor MEMBER trackColor_)
    Q_PROPERTY(QColor valueColor MEMBER valueColor_)
    Q_PROPERTY(QColor knobColor MEMBER knobColor_)
    Q_PROPERTY(QColor pointerColor MEMBER pointerColor_)
public:
    explicit OnOffSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {41, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor trackColor_;
    QColor valueColor_;
    QColor knobColor_;
    QColor pointerColor_;
};
