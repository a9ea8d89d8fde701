#include "device/PedalLink.h"

#include "app/Dialogs.h"

PedalLink::PedalLink(D2xxApi& api, Dialogs& dialogs, DiagnosticLog& log, Pacer& pacer)
    : dialogs_(dialogs), log_(log), pacer_(pacer), unit_(api, dialogs), comm_(unit_, log, pacer) {}

bool PedalLink::refuseWhileWaiting() {
    if (!heldRefusal_.isEmpty()) {
        dialogs_.showMessage(heldRefusal_);
        return true;
    }
    if (!comm_.waiting()) {
        return false;
    }
    dialogs_.showMessage(
        QStringLiteral("The pedal is still answering another command. Please try again when it "
                       "has finished."));
    return true;
}
