#pragma once

#include <QByteArray>
#include <QString>

// The main window's connection state, shared with the other subsystems.
struct SessionState {
    bool FirmwareUpgradeMode = false;
    bool DeviceConnected = false;
    bool ReadbackInProgress = false;
    QString SelectedEffectName;
    QByteArray DeviceSerialNumber;
    int ListAlgorithmVersion = 0;
    int LatestFirmwareVersion = 7;
};
