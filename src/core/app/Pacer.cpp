#include "app/Pacer.h"

#include <QThread>

void Pacer::sleepMs(int ms) {
    const int scaled = scaledMs(ms);
    if (scaled > 0) {
        QThread::msleep(static_cast<unsigned long>(scaled));
    }
}

void Pacer::bytePause() {
    // A timed pause of about the length of the original busy loop of a
    // million empty steps, without burning a core.
    const auto us = static_cast<unsigned long>(300 * scale());
    if (us > 0) {
        QThread::usleep(us);
    }
}
