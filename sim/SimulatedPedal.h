#pragma once

#include "Bootloader.h"
#include "PedalFirmware.h"

#include <QByteArray>
#include <QList>
#include <chrono>
#include <deque>
#include <optional>

// The pedal behind its USB bridge: its firmware or its bootloader answers the
// bytes the host writes, and the answers wait in the bridge's receive queue
// until the host reads them. Records every write; faults are set by tests.
class SimulatedPedal {
public:
    using Clock = std::chrono::steady_clock;
    enum class Mode { Firmware, Bootloader };

    explicit SimulatedPedal(Mode mode = Mode::Firmware);

    // The host wrote these bytes in one call.
    void receive(const QByteArray& bytes);
    // Bytes the host can read now.
    int available() const;
    QByteArray take(int max);
    // The host purged its receive queue.
    void purgeReceived();

    Mode mode() const { return mode_; }
    void enterBootloader() { mode_ = Mode::Bootloader; }
    // Started again by hand, in its firmware or its bootloader.
    void restartIn(Mode mode) { mode_ = mode; }
    PedalFirmware& firmware() { return firmware_; }
    PedalSettings& settings() { return firmware_.settings(); }
    Bootloader& bootloader() { return bootloader_; }

    // Every write the host made, in order.
    const QList<QByteArray>& writes() const { return writes_; }
    QByteArray receivedBytes() const;
    void clearWrites() { writes_.clear(); }

    // Faults.
    void setAnswerDelay(int ms) { delay_ = std::chrono::milliseconds(ms); }
    // Each answer arrives in pieces of `size` bytes, `gapMs` apart.
    void setPieces(int size, int gapMs = 30);
    void setSilent(bool silent) { silent_ = silent; }
    // Every answer is replaced by these bytes; an empty array ends that.
    void setGarbage(const QByteArray& bytes) { garbage_ = bytes; }
    // The bridge disappears after the host has written a message starting
    // with this byte.
    void unplugOnMessage(std::uint8_t firstByte) { unplugOn_ = firstByte; }
    void setPlugged(bool plugged) { plugged_ = plugged; }
    // The bridge disappears once the host has written `bytes` more bytes.
    void unplugAfterBytes(int bytes) { unplugAfter_ = bytes; }
    // Every byte takes its time on the line at this rate (10 bits a byte),
    // both ways: an answer comes once the message and the answer have
    // crossed. 0 turns it off.
    void setWireSpeed(int baud) { baud_ = baud; }
    bool plugged() const { return plugged_; }

private:
    struct Piece {
        QByteArray bytes;
        Clock::time_point due;
    };

    Mode mode_;
    PedalFirmware firmware_;
    Bootloader bootloader_;
    std::deque<Piece> queue_;
    QList<QByteArray> writes_;
    std::chrono::milliseconds delay_{0};
    int pieceSize_ = 0;
    std::chrono::milliseconds pieceGap_{0};
    bool silent_ = false;
    QByteArray garbage_;
    std::optional<std::uint8_t> unplugOn_;
    std::optional<int> unplugAfter_;
    bool plugged_ = true;
    int baud_ = 0;

    // Queues the answer to a message of `heard` bytes.
    void answer(const QByteArray& bytes, int heard);
    void countTowardsUnplug(int bytes);
    void runNewFirmware();
};
