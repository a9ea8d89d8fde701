#pragma once

#include <cstdint>

// The D2XX library's C types, with the widths the vendor's ABI uses on every
// platform: DWORD and ULONG are 32 bits, the handle is a pointer.
using FT_STATUS = std::uint32_t;
using FT_HANDLE = void*;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using UCHAR = std::uint8_t;

namespace ft {

enum Status : FT_STATUS {
    Ok = 0,
    InvalidHandle = 1,
    DeviceNotFound = 2,
    DeviceNotOpened = 3,
    IoError = 4,
    InsufficientResources = 5,
    InvalidParameter = 6,
    InvalidBaudRate = 7,
    DeviceNotOpenedForErase = 8,
    DeviceNotOpenedForWrite = 9,
    FailedToWriteDevice = 10,
    EepromReadFailed = 11,
    EepromWriteFailed = 12,
    EepromEraseFailed = 13,
    EepromNotPresent = 14,
    EepromNotProgrammed = 15,
    InvalidArgs = 16,
    OtherError = 17,
};

constexpr DWORD ListNumberOnly = 0x80000000;
constexpr DWORD ListByIndex = 0x40000000;
constexpr DWORD OpenBySerialNumber = 1;
constexpr DWORD OpenByDescription = 2;

constexpr ULONG PurgeRx = 1;
constexpr ULONG PurgeTx = 2;

constexpr UCHAR Bits8 = 8;
constexpr UCHAR StopBits1 = 0;
constexpr UCHAR ParityNone = 0;

// The listing buffers of the library hold at most this many bytes.
constexpr int ListingBufferSize = 64;

} // namespace ft
