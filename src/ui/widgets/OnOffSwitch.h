#pragma once

#include <QAbstractButton>

// A sliding on/off switch.
class OnOffSwitch : public QAbstractButton {
    Q_OBJECT
public:
    explicit OnOffSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {41, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
