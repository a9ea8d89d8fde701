#pragma once

#include "app/Pacer.h"

#include <QList>
#include <functional>

// Pauses scaled to nothing, each one recorded with the length asked for.
class RecordingPacer : public Pacer {
public:
    explicit RecordingPacer(double scale = 0.0) : Pacer(scale) {}

    void sleepMs(int ms) override {
        pauses << ms;
        if (onPause) {
            onPause(ms);
        }
        Pacer::sleepMs(ms);
    }
    void bytePause() override {
        ++bytePauses;
        Pacer::bytePause();
    }
    void pauseLive(int ms) override {
        livePauses << ms;
        pauses << ms;
        if (onPause) {
            onPause(ms);
        }
        Pacer::pauseLive(ms);
    }

    QList<int> pauses;
    // The pauses that ran the pending events, also listed in `pauses`.
    QList<int> livePauses;
    int bytePauses = 0;
    // Sees each pause as it is asked for, in order with the wire.
    std::function<void(int)> onPause;
};
