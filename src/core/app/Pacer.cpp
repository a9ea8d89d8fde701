#include "app/Pacer.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <thread>

void Pacer::sleepMs(int ms) {
    const int scaled = scaledMs(ms);
    if (scaled > 0) {
        QThread::msleep(static_cast<unsigned long>(scaled));
    }
}

void Pacer::bytePause() {
    using Clock = std::chrono::steady_clock;
    const std::chrono::nanoseconds length(std::llround(BytePauseUs * 1000.0 * scale_));
    if (length <= length.zero()) {
        return;
    }
    const auto end = Clock::now() + length;
    // A sleep ends late by much the same each time: this one sleeps that much
    // less and waits out the rest, so that a block's pauses add up to their
    // length. One sleep woken very late counts for at most half a pause.
    const auto sleep = length - lateness_;
    const auto before = Clock::now();
    std::this_thread::sleep_for(sleep);
    const auto late = std::clamp(Clock::now() - before - sleep, length.zero(), length / 2);
    lateness_ = (3 * lateness_ + late) / 4;
    while (Clock::now() < end) {
        std::this_thread::yield();
    }
}

void Pacer::pauseLive(int ms) {
    QEventLoop loop;
    QTimer::singleShot(std::max(scaledMs(ms), 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
