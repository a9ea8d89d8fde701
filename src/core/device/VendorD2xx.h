#pragma once

#include "device/D2xxApi.h"

#include <QLibrary>
#include <QString>
#include <memory>

#if defined(_WIN32) && !defined(_WIN64)
#define TARNWICK_FT_CALL __stdcall
#else
#define TARNWICK_FT_CALL
#endif

// The vendor's D2XX library, loaded at run time; the calls pass straight
// through to it.
class VendorD2xx : public D2xxApi {
public:
    // The library's usual name on this platform, unless TARNWICK_D2XX_LIBRARY
    // names a path.
    static QString defaultLibraryPath();

    // Null with `error` set when the library or one of its calls is missing.
    static std::unique_ptr<VendorD2xx> load(const QString& path, QString* error);

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

    QLibrary& library() { return library_; }

private:
    using ListDevicesFn = FT_STATUS(TARNWICK_FT_CALL*)(void*, void*, DWORD);
    using OpenExFn = FT_STATUS(TARNWICK_FT_CALL*)(void*, DWORD, FT_HANDLE*);
    using CloseFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE);
    using SetBaudRateFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, ULONG);
    using SetDataCharacteristicsFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, UCHAR, UCHAR, UCHAR);
    using PurgeFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, ULONG);
    using GetQueueStatusFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, DWORD*);
    using ReadFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);
    using WriteFn = FT_STATUS(TARNWICK_FT_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);

    QLibrary library_;
    ListDevicesFn listDevices_ = nullptr;
    OpenExFn openEx_ = nullptr;
    CloseFn close_ = nullptr;
    SetBaudRateFn setBaudRate_ = nullptr;
    SetDataCharacteristicsFn setDataCharacteristics_ = nullptr;
    PurgeFn purge_ = nullptr;
    GetQueueStatusFn getQueueStatus_ = nullptr;
    ReadFn read_ = nullptr;
    WriteFn write_ = nullptr;
};
