#include "device/Connection.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/SessionState.h"
#include "device/HexText.h"
#include "device/PedalLink.h"
#include "firmware/FirmwareUpgrade.h"

namespace {
// The bridge's factory description stands for the pedal.
const QByteArray FactoryDescription = QByteArrayLiteral("FT230X Basic UART");
const QString ProductName = QStringLiteral("Tarnwick ZQ7");
const QString NoDevice = QStringLiteral("No device found");
const QString AccessRefused = QStringLiteral(
    "The pedal was found, but the system refused access to it. Install the udev rule that "
    "comes with the editor (99-tarnwick-zq7.rules; the package installs it in "
    "/usr/lib/udev/rules.d, or copy packaging/linux/99-tarnwick-zq7.rules from the source "
    "to /etc/udev/rules.d), then unplug the pedal and plug it in again.");

// Reading a device's description opens it as reading its serial number does:
// asked after the description, the back end answers for both.
bool refusedAccess(const D2XXUnit& unit) {
    return unit.LastOpenFailure() == OpenFailure::AccessRefused;
}
} // namespace

Connection::Connection(PedalLink& link, SessionState& state, FirmwareUpgrade& firmware)
    : link_(link), state_(state), firmware_(firmware) {}

void Connection::InitSerialSettings() {
    link_.unit().Settings() = {115200, ft::Bits8, ft::StopBits1, ft::ParityNone};
}

ProbeResult Connection::ProbeDevices() {
    D2XXUnit& unit = link_.unit();
    ProbeResult result;
    bool refused = false;
    unit.GetFTDeviceCount();
    for (DWORD i = 0; i < unit.DeviceCount(); ++i) {
        unit.GetFTDeviceSerialNo(i);
        result.serials += QString::fromLatin1(unit.FT_Device_String());
        state_.DeviceSerialNumber = unit.FT_Device_String();
        unit.GetFTDeviceDescription(i);
        refused = refused || refusedAccess(unit);
        result.deviceName = unit.FT_Device_String() == FactoryDescription
                                ? ProductName
                                : QString::fromLatin1(unit.FT_Device_String());
        result.found = true;
    }
    explainRefusedAccess(refused);
    return result;
}

void Connection::ScanDevices(const std::function<void(const QString&)>& showName) {
    D2XXUnit& unit = link_.unit();
    DiagnosticLog& log = link_.log();
    showName(QStringLiteral("Device Name"));
    unit.GetFTDeviceCount();
    log.ConsoleLog(QStringLiteral("FT device count: %1").arg(unit.DeviceCount()));
    if (unit.DeviceCount() == 0) {
        link_.dialogs().showMessage(NoDevice);
        showName(NoDevice);
        return;
    }
    bool refused = false;
    for (DWORD i = 0; i < unit.DeviceCount(); ++i) {
        unit.GetFTDeviceSerialNo(i);
        log.ConsoleLog(QStringLiteral("FT_Device_String: ") +
                       QString::fromLatin1(unit.FT_Device_String()));
        state_.DeviceSerialNumber = unit.FT_Device_String();
        unit.GetFTDeviceDescription(i);
        refused = refused || refusedAccess(unit);
        const QString description = QString::fromLatin1(unit.FT_Device_String());
        showName(description);
        link_.dialogs().showMessage(description + QStringLiteral(" found, click Connect"));
    }
    explainRefusedAccess(refused);
}

ConnectOutcome Connection::ConnectDevice(const std::function<void()>& opened) {
    const bool open = openDevice(opened);
    const bool greeted = state_.FirmwareUpgradeMode && firmware_.ConnectBootloader().completed();
    if (!open) {
        return ConnectOutcome::NotOpened;
    }
    return greeted ? ConnectOutcome::BootloaderAnswered : ConnectOutcome::Opened;
}

bool Connection::openDevice(const std::function<void()>& opened) {
    D2XXUnit& unit = link_.unit();
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QStringLiteral("serial number: ") +
                   QString::fromLatin1(state_.DeviceSerialNumber));
    if (unit.Open_USB_Device_By_Serial_Number(state_.DeviceSerialNumber) != ft::Ok) {
        explainRefusedAccess(refusedAccess(unit));
        return false;
    }
    opened();
    unit.ApplyBaudRate();
    unit.ApplyDataCharacteristics();
    // Eight digits: the handle's low 32 bits where handles are wider.
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(unit.Handle()));
    log.ConsoleLog(QStringLiteral("FT_HANDLE: 0x") + hexField(handle, 8));
    log.appendDirect(QStringLiteral("baud rate = %1").arg(unit.Settings().baudRate));
    state_.DeviceConnected = true;
    emit link_.connectionChanged(true);
    return true;
}

void Connection::explainRefusedAccess(bool refused) {
    if (refused) {
        link_.dialogs().showMessage(AccessRefused);
    }
}

bool Connection::Disconnect() {
    if (link_.unit().CloseDevice() != ft::Ok) {
        return false;
    }
    state_.DeviceConnected = false;
    emit link_.connectionChanged(false);
    return true;
}
