#pragma once

#include <QWidget>

// The effect settings window: the fifteen parameters, live.
class TformFXsettings : public QWidget {
    Q_OBJECT
public:
    TformFXsettings();

    // Enables or disables every control; the display-only ones stay disabled.
    void SetEffectControlsEnabled(bool enabled);
};
