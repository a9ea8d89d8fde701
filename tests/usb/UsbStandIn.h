#pragma once

// A USB bus with FTDI bridges on it, standing in for libusb-1.0 under
// libftdi in the tests. Each bridge has a simulated pedal behind it: what
// the host sends on the OUT endpoint reaches the pedal, and its answers come
// back on IN, in 64-byte packets that start with the chip's two modem status
// bytes. Tests reach the bus through UsbStandIn::bus().
#include "SimulatedPedal.h"

#include <libusb.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#define USB_STANDIN_EXPORT __attribute__((visibility("default")))

// A request the host sent on the control endpoint.
struct UsbControlRequest {
    std::uint8_t requestType = 0;
    std::uint8_t request = 0;
    std::uint16_t value = 0;
    std::uint16_t index = 0;
    bool operator==(const UsbControlRequest&) const = default;
};

// How a bulk transfer fails, as a real bus fails.
enum class UsbFault {
    Timeout,    // nothing moves until the transfer's time limit passes
    Gone,       // the device is unplugged: this and every later call fail
    StatusOnly, // an IN packet with the status bytes only, though data waits
};

// One device on the bus.
struct libusb_device {
    std::uint16_t productId = 0x6015;
    std::string serial;
    std::string description;
    SimulatedPedal pedal;
    int references = 0;
    bool accessRefused = false;       // opening fails as when the system refuses it
    bool stringsUnreadable = false;   // its string descriptors stall
    bool kernelDriverAttached = true; // the kernel's serial driver binds the bridge
    bool claimed = false;
    int latencyMs = 16;
    std::vector<UsbControlRequest> controlRequests;
    // "claim", "release", "detach" and "attach" of the interface, in order.
    std::vector<std::string> interfaceEvents;
    // The time limits the host gave its bulk transfers, in ms.
    std::vector<unsigned> bulkTimeouts;

    bool present() const { return pedal.plugged(); }
};

struct libusb_device_handle {
    libusb_device* device = nullptr;
    bool autoDetach = false;
    bool detachedOnClaim = false;
};

struct libusb_context {};

class USB_STANDIN_EXPORT UsbStandIn {
public:
    static constexpr std::uint8_t ModemStatus = 0x01;
    static constexpr std::uint8_t LineStatus = 0x60;
    static constexpr int PacketSize = 64;

    // The one bus of this process.
    static UsbStandIn& bus();

    // One FT230X with a fresh pedal; nothing recorded, no faults.
    void reset();

    libusb_device& device(int index = 0) { return *devices_.at(size_t(index)); }
    libusb_device& addDevice(std::uint16_t productId, const std::string& serial,
                             const std::string& description);
    std::vector<libusb_device*> presentDevices() const;

    // The k-th bulk transfer from now (1 = the next) on IN or OUT fails so.
    void failInTransfer(int k, UsbFault fault) { inFault_ = {inTransfers_ + k, fault}; }
    void failOutTransfer(int k, UsbFault fault) { outFault_ = {outTransfers_ + k, fault}; }
    // Counts the transfer; the fault it meets, if any.
    std::optional<UsbFault> nextInFault();
    std::optional<UsbFault> nextOutFault();

    // libusb cannot start, as on a system that offers no USB.
    bool usbUnavailable = false;

    // What is still held: contexts not exited, handles not closed.
    int liveContexts = 0;
    int liveHandles = 0;

private:
    UsbStandIn() { reset(); }

    struct PlannedFault {
        int at = 0;
        UsbFault fault = UsbFault::Timeout;
    };

    std::vector<std::unique_ptr<libusb_device>> devices_;
    int inTransfers_ = 0;
    int outTransfers_ = 0;
    std::optional<PlannedFault> inFault_;
    std::optional<PlannedFault> outFault_;

    static std::optional<UsbFault> take(int& count, std::optional<PlannedFault>& planned);
};
