#pragma once

#include "device/D2xxApi.h"

#include <QString>
#include <memory>

class SimD2xx;

// Which layer answers the D2XX calls.
enum class BackendKind { Automatic, Simulated, Ftdi, Vendor };

// Parses "sim", "ftdi" or "d2xx"; false for anything else.
bool parseBackendKind(const QString& text, BackendKind& kind);

struct DeviceBackend {
    std::unique_ptr<D2xxApi> api;
    SimD2xx* simulator = nullptr; // set when the simulated pedal answers
    QString error;                // why the requested back end could not be had
};

// Automatic takes the vendor's library when it loads, else libftdi.
DeviceBackend makeDeviceBackend(BackendKind kind);
