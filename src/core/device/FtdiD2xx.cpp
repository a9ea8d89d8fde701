#include "device/FtdiD2xx.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ftdi.h>
#include <libusb.h>

namespace {

// The bridge sends what it has every latency period; a short one keeps the
// emulated queue close to the driver's.
constexpr unsigned char LatencyMs = 2;
constexpr int ReadTimeoutMs = 20;
// A write goes out in transfers of 4096 bytes, each about 0.36 s on the wire
// at 115,200 baud; one that does not move in a second never will.
constexpr int WriteTimeoutMs = 1000;

using Listing = std::array<char, ft::ListingBufferSize>;

struct EnumerationContext {
    ftdi_context* context = ftdi_new();
    ftdi_device_list* list = nullptr;
    // Without a context libusb could not start: the system has no USB to offer.
    int count =
        context ? ftdi_usb_find_all(context, &list, FtdiD2xx::VendorId, FtdiD2xx::ProductId) : -1;

    EnumerationContext() = default;
    ~EnumerationContext() {
        if (list) {
            ftdi_list_free(&list);
        }
        if (context) {
            ftdi_free(context);
        }
    }
    EnumerationContext(const EnumerationContext&) = delete;
    EnumerationContext& operator=(const EnumerationContext&) = delete;

    // Ok when the devices could be listed.
    FT_STATUS status() const { return count < 0 ? ft::IoError : ft::Ok; }

    // A port opened in the context owns it from then on.
    void handOverContext() { context = nullptr; }

    // Reads a device's description and serial number; a libusb error code
    // when that fails. The device is opened here rather than by libftdi,
    // which would say only that it could not be opened, not why.
    int readStrings(libusb_device* dev, Listing& description, Listing& serial) {
        libusb_device_handle* handle = nullptr;
        if (const int rc = libusb_open(dev, &handle); rc < 0) {
            return rc;
        }
        ftdi_set_usbdev(context, handle);
        const int rc =
            ftdi_usb_get_strings2(context, dev, nullptr, 0, description.data(),
                                  int(description.size()), serial.data(), int(serial.size()));
        // When a string cannot be read, libftdi closes the device itself.
        if (context->usb_dev) {
            libusb_close(context->usb_dev);
            ftdi_set_usbdev(context, nullptr);
        }
        return rc < 0 ? LIBUSB_ERROR_IO : LIBUSB_SUCCESS;
    }
};

} // namespace

FtdiD2xx::FtdiD2xx() = default;

FtdiD2xx::~FtdiD2xx() {
    for (auto& p : ports_) {
        ftdi_usb_close(p->context);
        ftdi_free(p->context);
    }
}

FtdiD2xx::Port* FtdiD2xx::port(FT_HANDLE handle) {
    for (auto& p : ports_) {
        if (p.get() == handle) {
            return p.get();
        }
    }
    return nullptr;
}

FT_STATUS FtdiD2xx::FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    lastOpenFailure_ = OpenFailure::Unknown;
    EnumerationContext devices;
    if (const FT_STATUS status = devices.status(); status != ft::Ok) {
        return status;
    }
    if (flags & ft::ListNumberOnly) {
        *static_cast<DWORD*>(arg1) = DWORD(devices.count);
        return ft::Ok;
    }
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    if (!(flags & ft::ListByIndex) || !arg2) {
        return ft::InvalidParameter;
    }
    if (index >= std::uintptr_t(devices.count)) {
        return ft::DeviceNotFound;
    }
    ftdi_device_list* node = devices.list;
    for (std::uintptr_t i = 0; i < index; ++i) {
        node = node->next;
    }
    Listing description{};
    Listing serial{};
    const int rc = devices.readStrings(node->dev, description, serial);
    if (rc < 0) {
        if (rc == LIBUSB_ERROR_ACCESS) {
            lastOpenFailure_ = OpenFailure::AccessRefused;
        }
        return ft::DeviceNotOpened;
    }
    const Listing& text = (flags & ft::OpenByDescription) ? description : serial;
    // libusb ends the strings with a zero byte within the buffer.
    std::memcpy(arg2, text.data(), text.size());
    return ft::Ok;
}

FT_STATUS FtdiD2xx::FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    lastOpenFailure_ = OpenFailure::Unknown;
    if (!arg || flags != ft::OpenBySerialNumber) {
        return ft::InvalidParameter;
    }
    const char* wanted = static_cast<const char*>(arg);
    EnumerationContext devices;
    if (const FT_STATUS status = devices.status(); status != ft::Ok) {
        return status;
    }
    // Every device is asked, so one that refuses access does not hide the
    // one asked for behind it.
    bool refused = false;
    for (ftdi_device_list* node = devices.list; node; node = node->next) {
        Listing description{};
        Listing serial{};
        const int rc = devices.readStrings(node->dev, description, serial);
        refused = refused || rc == LIBUSB_ERROR_ACCESS;
        if (rc == LIBUSB_SUCCESS && *wanted != '\0' && std::strcmp(serial.data(), wanted) == 0) {
            const FT_STATUS status = openPort(devices.context, node->dev, handle);
            if (status == ft::Ok) {
                devices.handOverContext();
            }
            return status;
        }
    }
    if (refused) {
        // The device asked for may be the one whose serial number could not be read.
        lastOpenFailure_ = OpenFailure::AccessRefused;
        return ft::DeviceNotOpened;
    }
    return ft::DeviceNotFound;
}

FT_STATUS FtdiD2xx::openPort(ftdi_context* context, libusb_device* dev, FT_HANDLE* handle) {
    // Take the bridge from the kernel's serial driver and give it back on close.
    context->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    if (ftdi_usb_open_dev(context, dev) < 0) {
        return ft::DeviceNotOpened;
    }
    ftdi_set_latency_timer(context, LatencyMs);
    context->usb_read_timeout = ReadTimeoutMs;
    context->usb_write_timeout = WriteTimeoutMs;
    auto p = std::make_unique<Port>();
    p->context = context;
    *handle = p.get();
    ports_.push_back(std::move(p));
    return ft::Ok;
}

FT_STATUS FtdiD2xx::FT_Close(FT_HANDLE handle) {
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    const int rc = ftdi_usb_close(p->context);
    ftdi_free(p->context);
    std::erase_if(ports_, [p](const auto& q) { return q.get() == p; });
    return rc < 0 ? ft::IoError : ft::Ok;
}

FT_STATUS FtdiD2xx::FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    const int rc = ftdi_set_baudrate(p->context, int(baudRate));
    if (rc == -1) {
        return ft::InvalidBaudRate;
    }
    return rc < 0 ? ft::IoError : ft::Ok;
}

FT_STATUS FtdiD2xx::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                              UCHAR parity) {
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    if ((wordLength != 7 && wordLength != 8) || (stopBits != 0 && stopBits != 2) || parity > 4) {
        return ft::InvalidParameter;
    }
    const auto bits = wordLength == 7 ? BITS_7 : BITS_8;
    const auto stop = stopBits == 0 ? STOP_BIT_1 : STOP_BIT_2;
    // D2XX and libftdi number the parities alike: none, odd, even, mark, space.
    const auto par = static_cast<ftdi_parity_type>(parity);
    const int rc = ftdi_set_line_property(p->context, bits, stop, par);
    return rc < 0 ? ft::IoError : ft::Ok;
}

FT_STATUS FtdiD2xx::FT_Purge(FT_HANDLE handle, ULONG mask) {
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    if (mask & ft::PurgeRx) {
        p->received.clear();
        if (ftdi_tciflush(p->context) < 0) {
            return ft::IoError;
        }
    }
    if (mask & ft::PurgeTx) {
        if (ftdi_tcoflush(p->context) < 0) {
            return ft::IoError;
        }
    }
    return ft::Ok;
}

FT_STATUS FtdiD2xx::pump(Port& p) {
    std::array<unsigned char, 4096> chunk{};
    for (int rounds = 0; rounds < 16; ++rounds) {
        const int n = ftdi_read_data(p.context, chunk.data(), int(chunk.size()));
        if (n < 0) {
            return ft::IoError;
        }
        if (n == 0) {
            break;
        }
        p.received.append(reinterpret_cast<const char*>(chunk.data()), n);
    }
    return ft::Ok;
}

FT_STATUS FtdiD2xx::FT_GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) {
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    const FT_STATUS status = pump(*p);
    *rxBytes = DWORD(p->received.size());
    return status;
}

FT_STATUS FtdiD2xx::FT_Read(FT_HANDLE handle, void* buffer, DWORD toRead, DWORD* returned) {
    *returned = 0;
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    const FT_STATUS status = pump(*p);
    const auto n = std::min<qsizetype>(qsizetype(toRead), p->received.size());
    std::memcpy(buffer, p->received.constData(), size_t(n));
    p->received.remove(0, n);
    *returned = DWORD(n);
    return status;
}

FT_STATUS FtdiD2xx::FT_Write(FT_HANDLE handle, const void* buffer, DWORD toWrite, DWORD* written) {
    *written = 0;
    Port* p = port(handle);
    if (!p) {
        return ft::InvalidHandle;
    }
    const int n =
        ftdi_write_data(p->context, static_cast<const unsigned char*>(buffer), int(toWrite));
    if (n < 0) {
        return ft::IoError;
    }
    // libftdi writes all or reports an error.
    *written = DWORD(n);
    return ft::Ok;
}
