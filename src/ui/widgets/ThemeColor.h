#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// A colour a look may set on a painted control through a style sheet
// property; unset, the control takes the palette's role. The dials and
// switches mostly show values while disabled, so a look's colour is shown as
// set, disabled or not.
inline QColor themeColor(const QColor& set, const QWidget& widget, QPalette::ColorRole role) {
    if (set.isValid()) {
        return set;
    }
    return widget.palette().color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}
