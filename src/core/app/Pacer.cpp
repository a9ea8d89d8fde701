#include "app/Pacer.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <thread>

void Pacer::pauseFor(std::chrono::nanoseconds length) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    // A sleep ends late by much the same each time: this one sleeps that much
    // less, but at least half of the pause, and waits out the rest. One woken
    // very late counts for at most half of the pause.
    const auto sleep = length - std::min<std::chrono::nanoseconds>(lateness_, length / 2);
    std::this_thread::sleep_for(sleep);
    const auto late = std::clamp(Clock::now() - start - sleep, length.zero(), length / 2);
    lateness_ = (3 * lateness_ + late) / 4;
    while (Clock::now() - start < length) {
        std::this_thread::yield();
    }
}

void Pacer::sleepMs(int ms) {
    const int scaled = scaledMs(ms);
    if (scaled > 0) {
        pauseFor(std::chrono::milliseconds(scaled));
    }
}

void Pacer::bytePause() {
    using Clock = std::chrono::steady_clock;
    const std::chrono::nanoseconds length(std::llround(BytePauseUs * 1000.0 * scale_));
    if (length <= length.zero()) {
        return;
    }
    const auto start = Clock::now();
    // The bytes of a block follow each other within microseconds: a pause
    // that lasted too long shortens the next ones, so that the pauses of a
    // block add up to their length.
    if (start - lastEnd_ > length) {
        overrun_ = overrun_.zero();
    }
    pauseFor(std::max(length - overrun_, length / 2));
    lastEnd_ = Clock::now();
    overrun_ += lastEnd_ - start - length;
}

void Pacer::pauseLive(int ms) {
    QEventLoop loop;
    QTimer::singleShot(std::max(scaledMs(ms), 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
