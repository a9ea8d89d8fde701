#include "fx/TformFXsettings.h"

TformFXsettings::TformFXsettings() {
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(333, 517);
}

void TformFXsettings::SetEffectControlsEnabled(bool enabled) {
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setEnabled(enabled);
    }
}
