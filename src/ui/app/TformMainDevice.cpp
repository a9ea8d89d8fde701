// Finding, connecting and disconnecting the pedal: the main window's
// Connection menu and the start-up probe.
#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Editor.h"
#include "app/TformMain.h"
#include "device/D2XXUnit.h"
#include "device/HexText.h"
#include "fx/TformFXsettings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {
// The bridge's factory description stands for the pedal.
const QByteArray FactoryDescription = QByteArrayLiteral("FT230X Basic UART");
const QString ProductName = QStringLiteral("Tarnwick ZQ7");
} // namespace

void TformMain::InitSerialSettings() {
    editor_.unit().Settings() = {115200, ft::Bits8, ft::StopBits1, ft::ParityNone};
}

void TformMain::ProbeDevices() {
    D2XXUnit& unit = editor_.unit();
    unit.GetFTDeviceCount();
    for (DWORD i = 0; i < unit.DeviceCount(); ++i) {
        unit.GetFTDeviceSerialNo(i);
        menuSerialNumber->setText(menuSerialNumber->text() +
                                  QString::fromLatin1(unit.FT_Device_String()));
        editor_.state().DeviceSerialNumber = unit.FT_Device_String();
        unit.GetFTDeviceDescription(i);
        lblDeviceName->setText(unit.FT_Device_String() == FactoryDescription
                                   ? ProductName
                                   : QString::fromLatin1(unit.FT_Device_String()));
    }
}

void TformMain::menuScanClick() {
    if (editor_.refuseWhileWaiting()) {
        return;
    }
    ScanDevices();
}

void TformMain::ScanDevices() {
    D2XXUnit& unit = editor_.unit();
    DiagnosticLog& log = editor_.log();
    lblDeviceName->setText(QStringLiteral("Device Name"));
    unit.GetFTDeviceCount();
    log.ConsoleLog(QStringLiteral("FT device count: %1").arg(unit.DeviceCount()));
    if (unit.DeviceCount() == 0) {
        editor_.dialogs().showMessage(QStringLiteral("No device found"));
        lblDeviceName->setText(QStringLiteral("No device found"));
        return;
    }
    for (DWORD i = 0; i < unit.DeviceCount(); ++i) {
        unit.GetFTDeviceSerialNo(i);
        log.ConsoleLog(QStringLiteral("FT_Device_String: ") +
                       QString::fromLatin1(unit.FT_Device_String()));
        editor_.state().DeviceSerialNumber = unit.FT_Device_String();
        unit.GetFTDeviceDescription(i);
        const QString description = QString::fromLatin1(unit.FT_Device_String());
        lblDeviceName->setText(description);
        editor_.dialogs().showMessage(description + QStringLiteral(" found, click Connect"));
    }
}

bool TformMain::ConnectDevice() {
    D2XXUnit& unit = editor_.unit();
    DiagnosticLog& log = editor_.log();
    log.ConsoleLog(QStringLiteral("serial number: ") +
                   QString::fromLatin1(editor_.state().DeviceSerialNumber));
    const bool opened =
        unit.Open_USB_Device_By_Serial_Number(editor_.state().DeviceSerialNumber) == ft::Ok;
    if (opened) {
        lblDeviceName->setText(lblDeviceName->text() + QStringLiteral(" connected"));
        unit.ApplyBaudRate();
        unit.ApplyDataCharacteristics();
        log.ConsoleLog(QStringLiteral("FT_HANDLE: 0x") +
                       hexField(reinterpret_cast<std::uintptr_t>(unit.Handle()), 8));
        log.appendDirect(QStringLiteral("baud rate = %1").arg(unit.Settings().baudRate));
        btnUpload->setEnabled(true);
        btnRequest->setEnabled(true);
        menuScan->setEnabled(false);
        menuConnect->setEnabled(false);
        menuDisconnect->setEnabled(true);
    }
    return opened;
}

void TformMain::ConnectOnClick() {
    if (editor_.refuseWhileWaiting()) {
        return;
    }
    if (ConnectDevice()) {
        editor_.state().DeviceConnected = true;
        menuFirmwareUpgradeMode->setEnabled(false);
        editor_.fxSettings().SetEffectControlsEnabled(true);
    }
}

void TformMain::menuDisconnectClick() {
    if (editor_.refuseWhileWaiting()) {
        return;
    }
    if (editor_.unit().CloseDevice() != ft::Ok) {
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
    editor_.fxSettings().SetEffectControlsEnabled(false);
    editor_.state().DeviceConnected = false;
}
