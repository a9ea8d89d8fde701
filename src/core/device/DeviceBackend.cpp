#include "device/DeviceBackend.h"

#include "device/VendorD2xx.h"
#ifdef TARNWICK_HAVE_LIBFTDI
#include "device/FtdiD2xx.h"
#endif

bool parseBackendKind(const QString& text, BackendKind& kind) {
    if (text == QLatin1String("sim")) {
        kind = BackendKind::Simulated;
    } else if (text == QLatin1String("ftdi")) {
        kind = BackendKind::Ftdi;
    } else if (text == QLatin1String("d2xx")) {
        kind = BackendKind::Vendor;
    } else {
        return false;
    }
    return true;
}

namespace {

DeviceBackend simulatedBackend(const SimulatedPedalFactory& factory) {
    DeviceBackend b;
    if (factory) {
        b.api = factory();
    } else {
        b.error = QStringLiteral("This program has no simulated pedal");
    }
    return b;
}

DeviceBackend ftdi() {
    DeviceBackend b;
#ifdef TARNWICK_HAVE_LIBFTDI
    b.api = std::make_unique<FtdiD2xx>();
#else
    b.error = QStringLiteral("This build has no libftdi back end");
#endif
    return b;
}

DeviceBackend vendor() {
    DeviceBackend b;
    const QString path = VendorD2xx::defaultLibraryPath();
    b.api = VendorD2xx::load(path, &b.error);
    return b;
}

} // namespace

DeviceBackend makeDeviceBackend(BackendKind kind, const SimulatedPedalFactory& simulated) {
    switch (kind) {
    case BackendKind::Simulated:
        return simulatedBackend(simulated);
    case BackendKind::Ftdi:
        return ftdi();
    case BackendKind::Vendor:
        return vendor();
    case BackendKind::Automatic:
        break;
    }
    DeviceBackend b = vendor();
    if (b.api) {
        return b;
    }
    DeviceBackend fallback = ftdi();
    return fallback.api ? std::move(fallback) : std::move(b);
}
