#pragma once

#include "device/D2xxApi.h"

#include <QByteArray>
#include <memory>
#include <vector>

struct ftdi_context;
struct libusb_device;

// The D2XX calls on top of libftdi1, for the FT230X (0403:6015). libftdi has
// no queue status call, so each open port keeps a receive queue of its own,
// filled by short reads with a low latency timer. Listing and opening also
// tell, through lastOpenFailure(), when the system refused access.
class FtdiD2xx : public D2xxApi {
public:
    static constexpr int VendorId = 0x0403;
    static constexpr int ProductId = 0x6015;

    FtdiD2xx();
    ~FtdiD2xx() override;

    OpenFailure lastOpenFailure() const override { return lastOpenFailure_; }

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
    struct Port {
        ftdi_context* context = nullptr;
        QByteArray received;
    };

    std::vector<std::unique_ptr<Port>> ports_;
    OpenFailure lastOpenFailure_ = OpenFailure::Unknown;

    Port* port(FT_HANDLE handle);
    // Opens the port of `dev` in `context`, which the port owns once open;
    // the context's devices are released before it is freed.
    FT_STATUS openPort(ftdi_context* context, libusb_device* dev, FT_HANDLE* handle);
    // Moves what the chip has into the port's own queue.
    FT_STATUS pump(Port& p);
};
