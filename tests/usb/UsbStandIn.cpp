#include "UsbStandIn.h"

UsbStandIn& UsbStandIn::bus() {
    static UsbStandIn b;
    return b;
}

void UsbStandIn::reset() {
    devices_.clear();
    usbUnavailable = false;
    inTransfers_ = 0;
    outTransfers_ = 0;
    inFault_.reset();
    outFault_.reset();
    addDevice(0x6015, "TZ7A0001", "FT230X Basic UART");
}

libusb_device& UsbStandIn::addDevice(std::uint16_t productId, const std::string& serial,
                                     const std::string& description) {
    auto d = std::make_unique<libusb_device>();
    d->productId = productId;
    d->serial = serial;
    d->description = description;
    devices_.push_back(std::move(d));
    return *devices_.back();
}

std::vector<libusb_device*> UsbStandIn::presentDevices() const {
    std::vector<libusb_device*> list;
    for (const auto& d : devices_) {
        if (d->present()) {
            list.push_back(d.get());
        }
    }
    return list;
}

std::optional<UsbFault> UsbStandIn::take(int& count, std::optional<PlannedFault>& planned) {
    ++count;
    if (!planned || planned->at != count) {
        return std::nullopt;
    }
    const UsbFault fault = planned->fault;
    planned.reset();
    return fault;
}

std::optional<UsbFault> UsbStandIn::nextInFault() {
    return take(inTransfers_, inFault_);
}

std::optional<UsbFault> UsbStandIn::nextOutFault() {
    return take(outTransfers_, outFault_);
}
