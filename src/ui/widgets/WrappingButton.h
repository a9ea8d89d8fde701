#pragma once

#include <QPushButton>

// A push button whose text wraps onto further lines where it does not fit.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
