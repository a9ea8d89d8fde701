// The libusb-1.0 calls libftdi makes, answered by the stand-in bus. Preloaded
// ahead of the real libusb, these definitions are the ones libftdi binds to.
#include "UsbStandIn.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#define STANDIN_API extern "C" USB_STANDIN_EXPORT

namespace {

constexpr std::uint16_t FtdiVendor = 0x0403;
constexpr std::uint8_t OutEndpoint = 0x02;
constexpr std::uint8_t InEndpoint = 0x81;
// The chip's vendor requests: reset (and purges), latency timer.
constexpr std::uint8_t RequestReset = 0x00;
constexpr std::uint8_t RequestSetLatency = 0x09;
// Reset's value 2 empties what waits for the host.
constexpr std::uint16_t PurgeTowardsHost = 2;

UsbStandIn& bus() {
    return UsbStandIn::bus();
}

// A call libftdi makes only on paths the editor does not take.
[[noreturn]] void notModelled(const char* call) {
    std::fprintf(stderr, "usb stand-in: %s is not modelled\n", call);
    std::abort();
}

void waitMs(unsigned ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int bulkOut(libusb_device& d, const unsigned char* data, int length, int* transferred) {
    d.pedal.receive(QByteArray(reinterpret_cast<const char*>(data), length));
    *transferred = length;
    return 0;
}

// Packs what the pedal has into packets, each led by the status bytes; a
// packet shorter than 64 bytes ends the transfer. With nothing to send the
// chip waits for its latency timer, then sends the status bytes alone.
int bulkIn(libusb_device& d, unsigned char* data, int length, int* transferred, bool statusOnly) {
    constexpr int Payload = UsbStandIn::PacketSize - 2;
    int at = 0;
    while (length - at >= UsbStandIn::PacketSize) {
        const QByteArray bytes = statusOnly ? QByteArray() : d.pedal.take(Payload);
        data[at] = UsbStandIn::ModemStatus;
        data[at + 1] = UsbStandIn::LineStatus;
        std::memcpy(data + at + 2, bytes.constData(), size_t(bytes.size()));
        at += 2 + int(bytes.size());
        if (bytes.isEmpty()) {
            waitMs(unsigned(d.latencyMs));
        }
        if (bytes.size() < Payload) {
            break;
        }
    }
    *transferred = at;
    return 0;
}

libusb_config_descriptor* makeConfig() {
    auto* endpoints = new libusb_endpoint_descriptor[2]{};
    for (int i = 0; i < 2; ++i) {
        endpoints[i].bLength = LIBUSB_DT_ENDPOINT_SIZE;
        endpoints[i].bDescriptorType = LIBUSB_DT_ENDPOINT;
        endpoints[i].bEndpointAddress = i == 0 ? InEndpoint : OutEndpoint;
        endpoints[i].bmAttributes = LIBUSB_TRANSFER_TYPE_BULK;
        endpoints[i].wMaxPacketSize = UsbStandIn::PacketSize;
    }
    auto* setting = new libusb_interface_descriptor{};
    setting->bLength = LIBUSB_DT_INTERFACE_SIZE;
    setting->bDescriptorType = LIBUSB_DT_INTERFACE;
    setting->bNumEndpoints = 2;
    setting->bInterfaceClass = LIBUSB_CLASS_VENDOR_SPEC;
    setting->endpoint = endpoints;
    auto* interface = new libusb_interface{};
    interface->altsetting = setting;
    interface->num_altsetting = 1;
    auto* config = new libusb_config_descriptor{};
    config->bLength = LIBUSB_DT_CONFIG_SIZE;
    config->bDescriptorType = LIBUSB_DT_CONFIG;
    config->bNumInterfaces = 1;
    config->bConfigurationValue = 1;
    config->bmAttributes = 0xA0;
    config->MaxPower = 45;
    config->interface = interface;
    return config;
}

} // namespace

STANDIN_API int libusb_init(libusb_context** ctx) {
    if (bus().usbUnavailable) {
        return LIBUSB_ERROR_OTHER;
    }
    *ctx = new libusb_context;
    ++bus().liveContexts;
    return 0;
}

STANDIN_API void libusb_exit(libusb_context* ctx) {
    if (ctx) {
        --bus().liveContexts;
    }
    delete ctx;
}

STANDIN_API ssize_t libusb_get_device_list(libusb_context*, libusb_device*** list) {
    const std::vector<libusb_device*> present = bus().presentDevices();
    auto** out = new libusb_device*[present.size() + 1];
    for (size_t i = 0; i < present.size(); ++i) {
        out[i] = present[i];
        ++present[i]->references;
    }
    out[present.size()] = nullptr;
    *list = out;
    return ssize_t(present.size());
}

STANDIN_API void libusb_free_device_list(libusb_device** list, int unrefDevices) {
    for (libusb_device** d = list; unrefDevices && d && *d; ++d) {
        --(*d)->references;
    }
    delete[] list;
}

STANDIN_API libusb_device* libusb_ref_device(libusb_device* dev) {
    ++dev->references;
    return dev;
}

STANDIN_API void libusb_unref_device(libusb_device* dev) {
    --dev->references;
}

STANDIN_API uint8_t libusb_get_bus_number(libusb_device*) {
    return 1;
}

STANDIN_API uint8_t libusb_get_device_address(libusb_device* dev) {
    const auto present = bus().presentDevices();
    return uint8_t(2 + (std::find(present.begin(), present.end(), dev) - present.begin()));
}

STANDIN_API int libusb_get_device_descriptor(libusb_device* dev, libusb_device_descriptor* desc) {
    *desc = {};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bMaxPacketSize0 = 8;
    desc->idVendor = FtdiVendor;
    desc->idProduct = dev->productId;
    desc->bcdDevice = 0x1000; // the X series
    desc->iManufacturer = 1;
    desc->iProduct = 2;
    desc->iSerialNumber = 3;
    desc->bNumConfigurations = 1;
    return 0;
}

STANDIN_API int libusb_get_config_descriptor(libusb_device*, uint8_t index,
                                             libusb_config_descriptor** config) {
    if (index != 0) {
        return LIBUSB_ERROR_NOT_FOUND;
    }
    *config = makeConfig();
    return 0;
}

STANDIN_API void libusb_free_config_descriptor(libusb_config_descriptor* config) {
    if (!config) {
        return;
    }
    delete[] config->interface->altsetting->endpoint;
    delete config->interface->altsetting;
    delete config->interface;
    delete config;
}

STANDIN_API int libusb_open(libusb_device* dev, libusb_device_handle** handle) {
    if (!dev->present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    if (dev->accessRefused) {
        return LIBUSB_ERROR_ACCESS;
    }
    *handle = new libusb_device_handle{dev};
    ++dev->references;
    ++bus().liveHandles;
    return 0;
}

STANDIN_API void libusb_close(libusb_device_handle* handle) {
    if (!handle) {
        return;
    }
    --handle->device->references;
    --bus().liveHandles;
    delete handle;
}

STANDIN_API int libusb_get_string_descriptor_ascii(libusb_device_handle* handle, uint8_t index,
                                                   unsigned char* data, int length) {
    const libusb_device& d = *handle->device;
    if (!d.present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    if (d.stringsUnreadable) {
        return LIBUSB_ERROR_PIPE;
    }
    const std::string text = index == 1 ? "FTDI" : index == 2 ? d.description : d.serial;
    const int n = std::min(int(text.size()), length - 1);
    std::memcpy(data, text.data(), size_t(n));
    data[n] = 0;
    return n;
}

STANDIN_API int libusb_get_configuration(libusb_device_handle* handle, int* config) {
    if (!handle->device->present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    *config = 1;
    return 0;
}

STANDIN_API int libusb_set_configuration(libusb_device_handle*, int) {
    notModelled("libusb_set_configuration");
}

STANDIN_API int libusb_set_auto_detach_kernel_driver(libusb_device_handle* handle, int enable) {
    handle->autoDetach = enable != 0;
    return 0;
}

STANDIN_API int libusb_detach_kernel_driver(libusb_device_handle* handle, int) {
    libusb_device& d = *handle->device;
    if (!d.kernelDriverAttached) {
        return LIBUSB_ERROR_NOT_FOUND;
    }
    d.kernelDriverAttached = false;
    d.interfaceEvents.push_back("detach");
    return 0;
}

STANDIN_API int libusb_claim_interface(libusb_device_handle* handle, int) {
    libusb_device& d = *handle->device;
    if (!d.present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    if (d.claimed) {
        return LIBUSB_ERROR_BUSY;
    }
    if (d.kernelDriverAttached) {
        if (!handle->autoDetach) {
            return LIBUSB_ERROR_BUSY;
        }
        d.kernelDriverAttached = false;
        handle->detachedOnClaim = true;
        d.interfaceEvents.push_back("detach");
    }
    d.claimed = true;
    d.interfaceEvents.push_back("claim");
    return 0;
}

STANDIN_API int libusb_release_interface(libusb_device_handle* handle, int) {
    libusb_device& d = *handle->device;
    if (!d.claimed) {
        return LIBUSB_ERROR_NOT_FOUND;
    }
    d.claimed = false;
    if (!d.present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    d.interfaceEvents.push_back("release");
    if (handle->detachedOnClaim) {
        d.kernelDriverAttached = true;
        handle->detachedOnClaim = false;
        d.interfaceEvents.push_back("attach");
    }
    return 0;
}

STANDIN_API int libusb_control_transfer(libusb_device_handle* handle, uint8_t requestType,
                                        uint8_t request, uint16_t value, uint16_t index,
                                        unsigned char*, uint16_t length, unsigned int) {
    libusb_device& d = *handle->device;
    if (!d.present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    if (requestType & LIBUSB_ENDPOINT_IN) {
        notModelled("a control request towards the host");
    }
    d.controlRequests.push_back({requestType, request, value, index});
    if (request == RequestReset && value == PurgeTowardsHost) {
        d.pedal.purgeReceived();
    } else if (request == RequestSetLatency) {
        d.latencyMs = value & 0xFF;
    }
    return length;
}

STANDIN_API int libusb_bulk_transfer(libusb_device_handle* handle, unsigned char endpoint,
                                     unsigned char* data, int length, int* transferred,
                                     unsigned int timeout) {
    libusb_device& d = *handle->device;
    *transferred = 0;
    const bool in = endpoint & LIBUSB_ENDPOINT_IN;
    const std::optional<UsbFault> fault = in ? bus().nextInFault() : bus().nextOutFault();
    d.bulkTimeouts.push_back(timeout);
    if (fault == UsbFault::Gone) {
        d.pedal.setPlugged(false);
    }
    if (!d.present()) {
        return LIBUSB_ERROR_NO_DEVICE;
    }
    if (fault == UsbFault::Timeout) {
        waitMs(timeout);
        return LIBUSB_ERROR_TIMEOUT;
    }
    if (in) {
        return bulkIn(d, data, length, transferred, fault == UsbFault::StatusOnly);
    }
    return bulkOut(d, data, length, transferred);
}

// The asynchronous calls serve libftdi's streaming and submit paths only.
STANDIN_API libusb_transfer* libusb_alloc_transfer(int) {
    notModelled("libusb_alloc_transfer");
}
STANDIN_API void libusb_free_transfer(libusb_transfer*) {
    notModelled("libusb_free_transfer");
}
STANDIN_API int libusb_submit_transfer(libusb_transfer*) {
    notModelled("libusb_submit_transfer");
}
STANDIN_API int libusb_cancel_transfer(libusb_transfer*) {
    notModelled("libusb_cancel_transfer");
}
STANDIN_API int libusb_handle_events_timeout(libusb_context*, timeval*) {
    notModelled("libusb_handle_events_timeout");
}
STANDIN_API int libusb_handle_events_timeout_completed(libusb_context*, timeval*, int*) {
    notModelled("libusb_handle_events_timeout_completed");
}
