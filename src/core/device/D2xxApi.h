#pragma once

#include "device/FtTypes.h"

// Why the last listing or opening call could not open a device, where the
// back end can tell more than the D2XX status says.
enum class OpenFailure { Unknown, AccessRefused };

// The nine D2XX library calls the editor makes, with the library's own
// arguments, so that a back end is a thin pass-through or a faithful
// emulation. Back ends: the vendor library, libftdi1, the simulated pedal.
class D2xxApi {
public:
    virtual ~D2xxApi() = default;

    virtual OpenFailure lastOpenFailure() const { return OpenFailure::Unknown; }

    virtual FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) = 0;
    virtual FT_STATUS FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) = 0;
    virtual FT_STATUS FT_Close(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) = 0;
    virtual FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                                UCHAR parity) = 0;
    virtual FT_STATUS FT_Purge(FT_HANDLE handle, ULONG mask) = 0;
    virtual FT_STATUS FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) = 0;
    virtual FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead, DWORD* returned) = 0;
    virtual FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, DWORD toWrite,
                               DWORD* written) = 0;
};
