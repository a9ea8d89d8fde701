#pragma once

#include "device/D2xxApi.h"

#include <QString>
#include <functional>
#include <memory>

// Which layer answers the D2XX calls.
enum class BackendKind { Automatic, Simulated, Ftdi, Vendor };

// Parses "sim", "ftdi" or "d2xx"; false for anything else.
bool parseBackendKind(const QString& text, BackendKind& kind);

struct DeviceBackend {
    std::unique_ptr<D2xxApi> api;
    QString error; // why the requested back end could not be had
};

// Makes the simulated pedal; only the program and the tests link one.
using SimulatedPedalFactory = std::function<std::unique_ptr<D2xxApi>()>;

// Automatic takes the vendor's library when it loads, else libftdi.
DeviceBackend makeDeviceBackend(BackendKind kind, const SimulatedPedalFactory& simulated = {});
