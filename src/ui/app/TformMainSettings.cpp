// The main window's commands that send the effect settings to the pedal.
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/TformMain.h"
#include "device/PedalLink.h"
#include "fx/ControlAssignments.h"
#include "fx/Presets.h"
#include "fx/SettingsStore.h"
#include "tuning/MidiChannel.h"
#include "tuning/TuningDataUpload.h"
#include "tuning/TuningSelection.h"

#include <QAction>
#include <QMenu>

#include <QPushButton>

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

void TformMain::btnAssignClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    const QString message = parts_.assignments.BuildAssignMessage();
    if (!parts_.link.dialogs().confirm(QStringLiteral("Upload Assignments?"))) {
        return;
    }
    btnAssign->setEnabled(false);
    parts_.assignments.sendAssignMessage(message);
    btnAssign->setEnabled(true);
}

void TformMain::btnSetFootswitchModeClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.assignments.sendFootswitchMessage(parts_.assignments.BuildFootswitchMessage());
}

void TformMain::btnSaveParametersClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    const QString message = parts_.store.BuildStoreSettingsMessage();
    if (!parts_.link.dialogs().confirm(QStringLiteral("Save Parameters to pedal?"))) {
        return;
    }
    parts_.store.send(message);
}

void TformMain::menuSavePresetClick() {
    parts_.presets.save();
}

void TformMain::menuLoadPresetClick() {
    // The window shows the values also when nothing was loaded.
    parts_.presets.load();
    emit presetLoaded();
}

void TformMain::BuildMidiChannelMenu() {
    for (const QString& caption : MidiChannel::captions()) {
        QAction* item = menuMIDIchannel->addAction(caption);
        connect(item, &QAction::triggered, this, [this, item] {
            parts_.report.run([this, item] { menuMIDIchannelsClickItem(item); });
        });
    }
}

void TformMain::menuMIDIchannelsClickItem(QAction* item) {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.midi.send(item->text());
}

void TformMain::menuUploadTuningsDataClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.tuningData.BuildTuningData();
    if (!parts_.link.dialogs().confirm(QStringLiteral("Upload Tuning Data?"))) {
        return;
    }
    parts_.tuningData.upload();
}
