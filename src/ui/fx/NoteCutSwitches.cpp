// The two note cut switches: each change goes to the pedal at once.
#include "app/Dialogs.h"
#include "device/PedalLink.h"
#include "fx/LiveParameters.h"
#include "fx/TformFXsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

void TformFXsettings::noteCutChange(QCheckBox* box, assignable_parameter& parameter) {
    if (parts_.link.refuseWhileWaiting()) {
        // The screen never shows a value that was not sent.
        const QSignalBlocker quiet(box);
        box->setChecked(parameter.value == 1);
        return;
    }
    if (assignedLock(parameter)) {
        return;
    }
    // Checked on every change, unchecking too; the box is unchecked without
    // a second round of this handling.
    if (cmbGuitarTuning->currentIndex() == 0) {
        parts_.link.dialogs().showMessage(
            QStringLiteral("Make sure you have uploaded a tuning before setting this parameter"));
        const QSignalBlocker quiet(box);
        box->setChecked(false);
    }
    parameter.value = box->isChecked() ? 1 : 0;
    parts_.live.WriteDspParameter(parameter.address, parameter.value);
}

void TformFXsettings::chkDominantNoteCutChange() {
    noteCutChange(chkDominantNoteCut, params.DominantNoteCut);
}

void TformFXsettings::chkHighNoteCutChange() {
    noteCutChange(chkHighNoteCut, params.HighNotesCut);
}
