#pragma once

#include "device/D2xxApi.h"
#include "device/SerialSettings.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class Dialogs;

// The thin layer over the D2XX calls: the one device handle, the two 64 KiB
// buffers every byte to and from the pedal passes through, and one wrapper
// per call that reports a failure in a message box and returns the status.
class D2XXUnit {
public:
    static constexpr int BufferSize = 65536;
    static constexpr int OpenBufferSize = 50;

    D2XXUnit(D2xxApi& api, Dialogs& dialogs);

    FT_STATUS GetFTDeviceCount();
    FT_STATUS GetFTDeviceSerialNo(DWORD index);
    FT_STATUS GetFTDeviceDescription(DWORD index);
    FT_STATUS Open_USB_Device_By_Serial_Number(const QByteArray& serial);
    FT_STATUS CloseDevice();
    FT_STATUS ApplyBaudRate();
    FT_STATUS ApplyDataCharacteristics();
    FT_STATUS PurgeReceive();
    FT_STATUS PurgeTransmit();
    FT_STATUS QueryRxQueue();
    // Reads what is queued into InBuffer from `offset` on, never waiting for
    // more; returns the number of bytes read, 0 on failure.
    DWORD ReadQueued(int offset = 0);
    FT_STATUS LastReadStatus() const { return lastReadStatus_; }
    // Writes the first n bytes of OutBuffer; returns the number written.
    DWORD WriteOut(DWORD n);

    void ReportFTError(const QString& name, FT_STATUS status);
    // Why the last listing or open could not open the device, where the
    // back end knows.
    OpenFailure LastOpenFailure() const { return api_.lastOpenFailure(); }

    std::uint8_t* InBuffer() { return inBuffer_.data(); }
    std::uint8_t* OutBuffer() { return outBuffer_.data(); }
    DWORD RxQueueCount() const { return rxQueueCount_; }
    DWORD DeviceCount() const { return deviceCount_; }
    const QByteArray& FT_Device_String() const { return deviceString_; }
    FT_HANDLE Handle() const { return handle_; }
    const char* OpenBuffer() const { return openBuffer_.data(); }
    SerialSettings& Settings() { return settings_; }

private:
    D2xxApi& api_;
    Dialogs& dialogs_;
    FT_HANDLE handle_ = nullptr;
    std::array<std::uint8_t, BufferSize> inBuffer_{};
    std::array<std::uint8_t, BufferSize> outBuffer_{};
    DWORD rxQueueCount_ = 0;
    FT_STATUS lastReadStatus_ = ft::Ok;
    DWORD deviceCount_ = 0;
    std::array<char, ft::ListingBufferSize> serialListing_{};
    std::array<char, ft::ListingBufferSize> descriptionListing_{};
    QByteArray deviceString_;
    std::array<char, OpenBufferSize> openBuffer_{};
    SerialSettings settings_;

    FT_STATUS listByIndex(DWORD index, std::array<char, ft::ListingBufferSize>& buffer, DWORD what,
                          const char* name);
};
