#pragma once

#include <QByteArray>
#include <QTest>
#include <dlfcn.h>

// Names the library libusb_init comes from, as libftdi binds it, and checks
// that it is the stand-in: run without it, a test would reach the real bus.
inline void checkStandInLoaded() {
    void* init = dlsym(RTLD_DEFAULT, "libusb_init");
    Dl_info info{};
    QVERIFY(init && dladdr(init, &info) && info.dli_fname);
    qInfo("libusb loaded from %s", info.dli_fname);
    QVERIFY2(QByteArray(info.dli_fname).contains("usb_standin"),
             "the stand-in libusb is not preloaded: run this test through ctest");
}
