#include "device/VendorD2xx.h"

#include <QtGlobal>

QString VendorD2xx::defaultLibraryPath() {
    const QString path = qEnvironmentVariable("TARNWICK_D2XX_LIBRARY");
    if (!path.isEmpty()) {
        return path;
    }
#if defined(Q_OS_WIN)
    return QStringLiteral("ftd2xx.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libftd2xx.dylib");
#else
    return QStringLiteral("libftd2xx.so");
#endif
}

namespace {

template <typename Fn> bool resolve(QLibrary& library, const char* name, Fn& fn, QString* error) {
    fn = reinterpret_cast<Fn>(library.resolve(name));
    if (!fn && error) {
        *error = QStringLiteral("The D2XX library %1 has no function %2")
                     .arg(library.fileName(), QString::fromLatin1(name));
    }
    return fn != nullptr;
}

} // namespace

std::unique_ptr<VendorD2xx> VendorD2xx::load(const QString& path, QString* error) {
    auto api = std::unique_ptr<VendorD2xx>(new VendorD2xx);
    api->library_.setFileName(path);
    if (!api->library_.load()) {
        if (error) {
            *error = QStringLiteral("The D2XX library could not be loaded: %1")
                         .arg(api->library_.errorString());
        }
        return nullptr;
    }
    QLibrary& lib = api->library_;
    const bool all =
        resolve(lib, "FT_ListDevices", api->listDevices_, error) &&
        resolve(lib, "FT_OpenEx", api->openEx_, error) &&
        resolve(lib, "FT_Close", api->close_, error) &&
        resolve(lib, "FT_SetBaudRate", api->setBaudRate_, error) &&
        resolve(lib, "FT_SetDataCharacteristics", api->setDataCharacteristics_, error) &&
        resolve(lib, "FT_Purge", api->purge_, error) &&
        resolve(lib, "FT_GetQueueStatus", api->getQueueStatus_, error) &&
        resolve(lib, "FT_Read", api->read_, error) && resolve(lib, "FT_Write", api->write_, error);
    if (!all) {
        lib.unload();
        return nullptr;
    }
    return api;
}

FT_STATUS VendorD2xx::FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    return listDevices_(arg1, arg2, flags);
}

FT_STATUS VendorD2xx::FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    return openEx_(arg, flags, handle);
}

FT_STATUS VendorD2xx::FT_Close(FT_HANDLE handle) {
    return close_(handle);
}

FT_STATUS VendorD2xx::FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    return setBaudRate_(handle, baudRate);
}

FT_STATUS VendorD2xx::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                                UCHAR parity) {
    return setDataCharacteristics_(handle, wordLength, stopBits, parity);
}

FT_STATUS VendorD2xx::FT_Purge(FT_HANDLE handle, ULONG mask) {
    return purge_(handle, mask);
}

FT_STATUS VendorD2xx::FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) {
    return getQueueStatus_(handle, rxBytes);
}

FT_STATUS VendorD2xx::FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead, DWORD* returned) {
    return read_(handle, buffer, toRead, returned);
}

FT_STATUS VendorD2xx::FT_Write(FT_HANDLE handle, const void* buffer, DWORD toWrite,
                               DWORD* written) {
    // The library's prototype takes a non-const buffer but does not change it.
    return write_(handle, const_cast<void*>(buffer), toWrite, written);
}
