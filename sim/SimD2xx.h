#pragma once

#include "SimulatedPedal.h"
#include "device/D2xxApi.h"

#include <QByteArray>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// The D2XX calls answered by simulated pedals: each attached device is a
// bridge with a serial number and a description and a pedal behind it.
class SimD2xx : public D2xxApi {
public:
    static constexpr const char* FactoryDescription = "FT230X Basic UART";
    static constexpr const char* DefaultSerial = "TZ7A0001";

    // One pedal attached, in the given mode.
    explicit SimD2xx(SimulatedPedal::Mode mode = SimulatedPedal::Mode::Firmware);

    SimulatedPedal& pedal(int index = 0) { return *devices_.at(size_t(index))->pedal; }
    // What the user does by hand before connecting: starts the first pedal
    // in its bootloader, or in its firmware again. Once its port is open the
    // pedal stays as it is.
    void startPedalIn(SimulatedPedal::Mode mode);
    SimulatedPedal& addDevice(const QByteArray& serial, const QByteArray& description);
    void removeAllDevices() { devices_.clear(); }

    // Every call from the k-th on (counting from now, 1 = the next) finds the
    // bridge gone.
    void unplugAtCall(int k) { unplugAt_ = calls_ + k; }

    ULONG baudRate(int index = 0) const { return devices_.at(size_t(index))->baud; }
    bool isOpen(int index = 0) const { return devices_.at(size_t(index))->open; }
    QByteArray lastOpenArgument() const { return lastOpenArgument_; }

    // What crossed the bridge, in order, one entry per call that succeeded on
    // an open, present device: "open <serial>", "close", "baud <rate>",
    // "line <word length> <stop bits> <parity>", "purge <mask>", "write <HEX>"
    // (upper-case digits, no spaces) and "read <bytes returned>". Listing and
    // queue status calls are not entered.
    const QStringList& wire() const { return wire_; }
    void clearWire() { wire_.clear(); }
    // Enters a test's own line, such as a pause, between the calls.
    void note(const QString& entry) { wire_.append(entry); }

    FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) override;
    FT_STATUS FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) override;
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                        UCHAR parity) override;
    FT_STATUS FT_Purge(FT_HANDLE handle, ULONG mask) override;
    FT_STATUS FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead, DWORD* returned) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, DWORD toWrite,
                       DWORD* written) override;

private:
    struct Device {
        QByteArray serial;
        QByteArray description;
        std::unique_ptr<SimulatedPedal> pedal;
        bool open = false;
        ULONG baud = 9600;
        UCHAR wordLength = 8;
        UCHAR stopBits = 0;
        UCHAR parity = 0;
    };

    std::vector<std::unique_ptr<Device>> devices_;
    int calls_ = 0;
    std::optional<int> unplugAt_;
    QByteArray lastOpenArgument_;
    QStringList wire_;

    // Counts the call; false when the bridge is gone for this call.
    bool countCall();
    bool plugged(const Device& d) const;
    // Counts the call and finds the open device behind the handle; the status
    // says why it cannot be used.
    FT_STATUS usable(FT_HANDLE handle, Device*& d);
    // The open device behind a handle, or null.
    Device* device(FT_HANDLE handle);
    int visibleCount() const;
};
