// Exports the nine D2XX calls with the vendor's C ABI, answered by a
// simulated pedal. Tests load it the way the editor loads the vendor library.
#include "SimD2xx.h"
#include "device/VendorD2xx.h"

#if defined(_WIN32)
#define SHIM_EXPORT extern "C" __declspec(dllexport)
#else
#define SHIM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
SimD2xx& simulator() {
    static SimD2xx sim;
    return sim;
}
} // namespace

// Lets a test reach the pedal behind the library.
SHIM_EXPORT SimD2xx* tarnwick_shim_simulator() {
    return &simulator();
}

SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    return simulator().FT_ListDevices(arg1, arg2, flags);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    return simulator().FT_OpenEx(arg, flags, handle);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_Close(FT_HANDLE handle) {
    return simulator().FT_Close(handle);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    return simulator().FT_SetBaudRate(handle, baudRate);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR bits,
                                                                 UCHAR stop, UCHAR parity) {
    return simulator().FT_SetDataCharacteristics(handle, bits, stop, parity);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_Purge(FT_HANDLE handle, ULONG mask) {
    return simulator().FT_Purge(handle, mask);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) {
    return simulator().FT_GetQueueStatus(handle, rxBytes);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead,
                                               DWORD* returned) {
    return simulator().FT_Read(handle, buffer, toRead, returned);
}
SHIM_EXPORT FT_STATUS TARNWICK_FT_CALL FT_Write(FT_HANDLE handle, void* buffer, DWORD toWrite,
                                                DWORD* written) {
    return simulator().FT_Write(handle, buffer, toWrite, written);
}
