#pragma once

#include <QString>
#include <functional>

class FirmwareUpgrade;
class PedalLink;
struct SessionState;

// How Connect ended.
enum class ConnectOutcome {
    NotOpened,
    Opened,
    BootloaderAnswered, // opened in upgrade mode, and the bootloader answered ACK
};

// What the start-up probe found: the serial numbers listed one after the
// other, and the name of the last device.
struct ProbeResult {
    QString serials;
    QString deviceName;
    bool found = false;
};

// Finding, opening and closing the pedal's bridge.
class Connection {
public:
    Connection(PedalLink& link, SessionState& state, FirmwareUpgrade& firmware);

    // 115,200 baud, 8 data bits, one stop bit, no parity.
    void InitSerialSettings();
    // The silent listing at start: no log, no box but the wrapper's.
    ProbeResult ProbeDevices();
    // The Scan command: logs the listing and names each device in a box;
    // `showName` puts a name in the window before the box that names it.
    void ScanDevices(const std::function<void(const QString&)>& showName);
    // Opens the device of DeviceSerialNumber and sets its line. `opened`
    // runs as soon as the port is open, before the line is set. In upgrade
    // mode the bootloader is greeted last, also when the port did not open.
    ConnectOutcome ConnectDevice(const std::function<void()>& opened);
    // Closes the port; true when it closed.
    bool Disconnect();

private:
    PedalLink& link_;
    SessionState& state_;
    FirmwareUpgrade& firmware_;

    bool openDevice(const std::function<void()>& opened);
    // After the wrapper's box: says how to let the editor open the pedal
    // when the system refused access to it.
    void explainRefusedAccess(bool refused);
};
