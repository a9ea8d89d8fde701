// The main window's device commands: the start-up probe, the Connection menu
// and "Request".
#include "app/ScopeExit.h"
#include "app/SessionState.h"
#include "app/TformMain.h"
#include "device/Connection.h"
#include "device/DeviceInfoRequest.h"
#include "device/PedalLink.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void TformMain::ProbeDevices() {
    const ProbeResult found = parts_.connection.ProbeDevices();
    menuSerialNumber->setText(menuSerialNumber->text() + found.serials);
    if (found.found) {
        lblDeviceName->setText(found.deviceName);
    }
}

void TformMain::menuScanClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.connection.ScanDevices([this](const QString& name) { lblDeviceName->setText(name); });
}

void TformMain::ConnectOnClick() {
    const auto opened = [this] {
        lblDeviceName->setText(lblDeviceName->text() + QStringLiteral(" connected"));
    };
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    const ConnectOutcome outcome = parts_.connection.ConnectDevice(opened);
    if (outcome == ConnectOutcome::NotOpened) {
        return;
    }
    // The pedal's bootloader takes no commands but the upgrade's.
    const bool bootloader = outcome == ConnectOutcome::BootloaderAnswered;
    btnUpload->setEnabled(!bootloader);
    btnRequest->setEnabled(!bootloader);
    menuScan->setEnabled(false);
    menuConnect->setEnabled(false);
    menuDisconnect->setEnabled(true);
    menuFirmwareUpgradeMode->setEnabled(false);
    if (bootloader) {
        menuStartFirmwareUpgrade->setEnabled(true);
    }
}

void TformMain::menuDisconnectClick() {
    if (parts_.link.refuseWhileWaiting() || !parts_.connection.Disconnect()) {
        return;
    }
    QString name = lblDeviceName->text();
    lblDeviceName->setText(name.remove(QStringLiteral("connected")));
    menuScan->setEnabled(true);
    menuConnect->setEnabled(true);
    menuDisconnect->setEnabled(false);
    btnUpload->setEnabled(false);
    btnRequest->setEnabled(false);
    setSettingsCommandsEnabled(false);
}

void TformMain::btnRequestClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    SessionState& state = parts_.state;
    state.ReadbackInProgress = true;
    const ScopeExit clearReadback([&state] { state.ReadbackInProgress = false; });
    const RequestResult result = parts_.deviceInfoRequest.RequestDeviceInfo(
        readPacing(), [this](const QString& line) { lblFirmwareVersion->setText(line); });
    if (result.outcome != RequestOutcome::Read) {
        return;
    }
    parts_.deviceInfoRequest.checkVersions(state.LatestFirmwareVersion, state.ListAlgorithmVersion);
    setSettingsCommandsEnabled(true);
}
