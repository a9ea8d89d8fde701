#include "SimD2xx.h"

#include <algorithm>
#include <cstring>

SimD2xx::SimD2xx(SimulatedPedal::Mode mode) {
    addDevice(DefaultSerial, FactoryDescription);
    if (mode == SimulatedPedal::Mode::Bootloader) {
        pedal().enterBootloader();
    }
}

SimulatedPedal& SimD2xx::addDevice(const QByteArray& serial, const QByteArray& description) {
    auto d = std::make_unique<Device>();
    d->serial = serial;
    d->description = description;
    d->pedal = std::make_unique<SimulatedPedal>();
    devices_.push_back(std::move(d));
    return *devices_.back()->pedal;
}

void SimD2xx::startPedalIn(SimulatedPedal::Mode mode) {
    if (!devices_.empty() && !devices_.front()->open) {
        pedal().restartIn(mode);
    }
}

bool SimD2xx::countCall() {
    ++calls_;
    return !(unplugAt_ && calls_ >= *unplugAt_);
}

bool SimD2xx::plugged(const Device& d) const {
    return d.pedal->plugged() && !(unplugAt_ && calls_ >= *unplugAt_);
}

int SimD2xx::visibleCount() const {
    return int(std::count_if(devices_.begin(), devices_.end(),
                             [this](const auto& d) { return plugged(*d); }));
}

SimD2xx::Device* SimD2xx::device(FT_HANDLE handle) {
    for (auto& d : devices_) {
        if (d.get() == handle && d->open) {
            return d.get();
        }
    }
    return nullptr;
}

FT_STATUS SimD2xx::usable(FT_HANDLE handle, Device*& d) {
    const bool present = countCall();
    d = device(handle);
    if (!d) {
        return ft::InvalidHandle;
    }
    return present && plugged(*d) ? ft::Ok : ft::IoError;
}

FT_STATUS SimD2xx::FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    countCall();
    if (flags & ft::ListNumberOnly) {
        if (!arg1) {
            return ft::InvalidParameter;
        }
        *static_cast<DWORD*>(arg1) = DWORD(visibleCount());
        return ft::Ok;
    }
    if (!(flags & ft::ListByIndex) || !arg2) {
        return ft::InvalidParameter;
    }
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    std::vector<Device*> visible;
    for (auto& d : devices_) {
        if (plugged(*d)) {
            visible.push_back(d.get());
        }
    }
    if (index >= visible.size()) {
        return ft::DeviceNotFound;
    }
    const QByteArray& text =
        (flags & ft::OpenByDescription) ? visible[index]->description : visible[index]->serial;
    const auto n = std::min<qsizetype>(text.size(), ft::ListingBufferSize - 1);
    std::memcpy(arg2, text.constData(), size_t(n));
    static_cast<char*>(arg2)[n] = '\0';
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    countCall();
    if (!arg || !handle || flags != ft::OpenBySerialNumber) {
        return ft::InvalidParameter;
    }
    lastOpenArgument_ = QByteArray(static_cast<const char*>(arg));
    for (auto& d : devices_) {
        if (plugged(*d) && !lastOpenArgument_.isEmpty() && d->serial == lastOpenArgument_) {
            if (d->open) {
                return ft::DeviceNotOpened;
            }
            d->open = true;
            *handle = d.get();
            note(QStringLiteral("open ") + QString::fromLatin1(d->serial));
            return ft::Ok;
        }
    }
    return ft::DeviceNotFound;
}

FT_STATUS SimD2xx::FT_Close(FT_HANDLE handle) {
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    d->open = false;
    note(QStringLiteral("close"));
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    d->baud = baudRate;
    note(QStringLiteral("baud %1").arg(baudRate));
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                             UCHAR parity) {
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    d->wordLength = wordLength;
    d->stopBits = stopBits;
    d->parity = parity;
    note(QStringLiteral("line %1 %2 %3").arg(int(wordLength)).arg(int(stopBits)).arg(int(parity)));
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_Purge(FT_HANDLE handle, ULONG mask) {
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    if (mask & ft::PurgeRx) {
        d->pedal->purgeReceived();
    }
    note(QStringLiteral("purge %1").arg(mask));
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) {
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    *rxBytes = DWORD(d->pedal->available());
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead, DWORD* returned) {
    *returned = 0;
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    const QByteArray bytes = d->pedal->take(int(std::min<DWORD>(toRead, 1u << 30)));
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
    *returned = DWORD(bytes.size());
    note(QStringLiteral("read %1").arg(bytes.size()));
    return ft::Ok;
}

FT_STATUS SimD2xx::FT_Write(FT_HANDLE handle, const void* buffer, DWORD toWrite, DWORD* written) {
    *written = 0;
    Device* d = nullptr;
    if (const FT_STATUS status = usable(handle, d)) {
        return status;
    }
    const QByteArray bytes(static_cast<const char*>(buffer), int(toWrite));
    note(QStringLiteral("write ") + QString::fromLatin1(bytes.toHex().toUpper()));
    d->pedal->receive(bytes);
    *written = toWrite;
    return ft::Ok;
}
