// The assignment lists and the footswitch radio buttons: a choice is kept,
// not sent.
#include "app/SessionState.h"
#include "fx/ControlAssignments.h"
#include "fx/TformFXsettings.h"

#include <QComboBox>
#include <QRadioButton>

void TformFXsettings::assignmentChange(int control) {
    QComboBox* list = assignmentLists().at(size_t(control));
    const int entry = list->currentIndex();
    parts_.assignments.setEntry(control, entry);
    if (!parts_.state.ReadbackInProgress &&
        parts_.assignments.refusedWithoutTuning(control, entry)) {
        list->setCurrentIndex(0);
    }
}

void TformFXsettings::ControlUNOassignOnChange() {
    assignmentChange(0);
}

void TformFXsettings::ControlDUEassignOnChange() {
    assignmentChange(1);
}

void TformFXsettings::ControlTREassignOnChange() {
    assignmentChange(2);
}

void TformFXsettings::ControlQUATTROAssignOnChange() {
    assignmentChange(3);
}

void TformFXsettings::RemoteAssignOnChange() {
    assignmentChange(4);
}

void TformFXsettings::footswitchChange() {
    parts_.assignments.setFootswitch(chkChangePresetShortPress->isChecked(),
                                     chkBypassLongPress->isChecked());
}
