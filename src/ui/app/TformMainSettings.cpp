// The main window's commands that send the effect settings to the pedal.
#include "app/Dialogs.h"
#include "app/TformMain.h"
#include "device/PedalLink.h"
#include "tuning/TuningSelection.h"

void TformMain::btnSetTuningClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    const QString message = parts_.tuning.BuildTuningMessage();
    if (!parts_.link.dialogs().confirm(QStringLiteral("Set new tuning?"))) {
        return;
    }
    parts_.tuning.send(message);
}
