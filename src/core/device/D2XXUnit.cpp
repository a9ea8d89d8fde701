#include "device/D2XXUnit.h"

#include "app/Dialogs.h"
#include "device/FtStatusText.h"

#include <algorithm>
#include <cstring>

D2XXUnit::D2XXUnit(D2xxApi& api, Dialogs& dialogs) : api_(api), dialogs_(dialogs) {}

void D2XXUnit::ReportFTError(const QString& name, FT_STATUS status) {
    if (status != ft::Ok) {
        dialogs_.showMessage(name + ftStatusText(status));
    }
}

FT_STATUS D2XXUnit::GetFTDeviceCount() {
    const FT_STATUS status = api_.FT_ListDevices(&deviceCount_, nullptr, ft::ListNumberOnly);
    ReportFTError(QStringLiteral("GetFTDeviceCount"), status);
    return status;
}

FT_STATUS D2XXUnit::listByIndex(DWORD index, std::array<char, ft::ListingBufferSize>& buffer,
                                DWORD what, const char* name) {
    // The library takes the index itself in place of a pointer.
    void* indexArg = reinterpret_cast<void*>(static_cast<std::uintptr_t>(index));
    const FT_STATUS status = api_.FT_ListDevices(indexArg, buffer.data(), ft::ListByIndex | what);
    if (status == ft::Ok) {
        const auto end = std::find(buffer.begin(), buffer.end(), '\0');
        deviceString_ = QByteArray(buffer.data(), static_cast<int>(end - buffer.begin()));
    }
    ReportFTError(QString::fromLatin1(name), status);
    return status;
}

FT_STATUS D2XXUnit::GetFTDeviceSerialNo(DWORD index) {
    return listByIndex(index, serialListing_, ft::OpenBySerialNumber, "GetFTDeviceSerialNo");
}

FT_STATUS D2XXUnit::GetFTDeviceDescription(DWORD index) {
    return listByIndex(index, descriptionListing_, ft::OpenByDescription, "GetFTDeviceDescription");
}

FT_STATUS D2XXUnit::Open_USB_Device_By_Serial_Number(const QByteArray& serial) {
    const auto n = std::min<qsizetype>(serial.size(), OpenBufferSize - 1);
    std::memcpy(openBuffer_.data(), serial.constData(), static_cast<size_t>(n));
    openBuffer_[static_cast<size_t>(n)] = '\0';
    const FT_STATUS status = api_.FT_OpenEx(openBuffer_.data(), ft::OpenBySerialNumber, &handle_);
    ReportFTError(QStringLiteral("Open_USB_Device_By_Serial_Number"), status);
    return status;
}

FT_STATUS D2XXUnit::CloseDevice() {
    // The handle keeps its old value: later calls on it fail in the library.
    const FT_STATUS status = api_.FT_Close(handle_);
    ReportFTError(QStringLiteral("FT_Close"), status);
    return status;
}

FT_STATUS D2XXUnit::ApplyBaudRate() {
    const FT_STATUS status = api_.FT_SetBaudRate(handle_, settings_.baudRate);
    ReportFTError(QStringLiteral("FT_SetBaudRate"), status);
    return status;
}

FT_STATUS D2XXUnit::ApplyDataCharacteristics() {
    const FT_STATUS status = api_.FT_SetDataCharacteristics(handle_, settings_.wordLength,
                                                            settings_.stopBits, settings_.parity);
    ReportFTError(QStringLiteral("FT_SetDataCharacteristics"), status);
    return status;
}

FT_STATUS D2XXUnit::PurgeReceive() {
    const FT_STATUS status = api_.FT_Purge(handle_, ft::PurgeRx);
    ReportFTError(QStringLiteral("FT_Purge RX"), status);
    return status;
}

FT_STATUS D2XXUnit::PurgeTransmit() {
    const FT_STATUS status = api_.FT_Purge(handle_, ft::PurgeTx);
    ReportFTError(QStringLiteral("FT_Purge TX"), status);
    return status;
}

FT_STATUS D2XXUnit::QueryRxQueue() {
    const FT_STATUS status = api_.FT_GetQueueStatus(handle_, &rxQueueCount_);
    ReportFTError(QStringLiteral("FT_GetQueueStatus"), status);
    return status;
}

DWORD D2XXUnit::ReadQueued(int offset) {
    offset = std::clamp(offset, 0, BufferSize);
    DWORD queued = 0;
    // Only asks what is waiting; its status is neither reported nor checked.
    api_.FT_GetQueueStatus(handle_, &queued);
    const DWORD room = static_cast<DWORD>(BufferSize - offset);
    DWORD returned = 0;
    const FT_STATUS status =
        api_.FT_Read(handle_, inBuffer_.data() + offset, std::min(queued, room), &returned);
    lastReadStatus_ = status;
    ReportFTError(QStringLiteral("FT_Read"), status);
    return status == ft::Ok ? std::min(returned, room) : 0;
}

DWORD D2XXUnit::WriteOut(DWORD n) {
    n = std::min<DWORD>(n, BufferSize);
    DWORD written = 0;
    const FT_STATUS status = api_.FT_Write(handle_, outBuffer_.data(), n, &written);
    ReportFTError(QStringLiteral("FT_Write"), status);
    return written;
}
