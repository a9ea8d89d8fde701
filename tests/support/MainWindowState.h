#pragma once

#include "app/TformMain.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

// The enabled state of the main window's commands as one text, in the order
// upload, request, assign, save, footswitch, tuning, MIDI, tuning data, scan,
// connect, disconnect, upgrade mode, start upgrade: 1 on, 0 off.
inline QString commandStates(TformMain& w) {
    const bool states[] = {
        w.btnUpload->isEnabled(),
        w.btnRequest->isEnabled(),
        w.btnAssign->isEnabled(),
        w.btnSaveParameters->isEnabled(),
        w.btnSetFootswitchMode->isEnabled(),
        w.btnSetTuning->isEnabled(),
        w.menuMIDI->menuAction()->isEnabled(),
        w.menuUploadTuningsData->isEnabled(),
        w.menuScan->isEnabled(),
        w.menuConnect->isEnabled(),
        w.menuDisconnect->isEnabled(),
        w.menuFirmwareUpgradeMode->isEnabled(),
        w.menuStartFirmwareUpgrade->isEnabled(),
    };
    QString text;
    for (const bool on : states) {
        text += on ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}
