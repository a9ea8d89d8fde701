#include "app/Pacer.h"

#include <QThread>

void Pacer::sleepMs(int ms) const {
    const auto scaled = static_cast<unsigned long>(ms * scale_);
    if (scaled > 0) {
        QThread::msleep(scaled);
    }
}

void Pacer::bytePause() const {
    // A timed pause of about the length of the original busy loop of a
    // million empty steps, without burning a core.
    const auto us = static_cast<unsigned long>(300 * scale_);
    if (us > 0) {
        QThread::usleep(us);
    }
}
