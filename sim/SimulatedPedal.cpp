#include "SimulatedPedal.h"

namespace {
constexpr std::uint32_t VersionMarkerAddress = 0x0801FC00;
}

SimulatedPedal::SimulatedPedal(Mode mode) : mode_(mode) {}

void SimulatedPedal::setPieces(int size, int gapMs) {
    pieceSize_ = size;
    pieceGap_ = std::chrono::milliseconds(gapMs);
}

QByteArray SimulatedPedal::receivedBytes() const {
    QByteArray all;
    for (const auto& w : writes_) {
        all += w;
    }
    return all;
}

void SimulatedPedal::receive(const QByteArray& bytes) {
    writes_.append(bytes);
    if (unplugOn_ && !bytes.isEmpty() && std::uint8_t(bytes[0]) == *unplugOn_) {
        plugged_ = false;
        return;
    }
    countTowardsUnplug(int(bytes.size()));
    if (mode_ == Mode::Firmware) {
        answer(firmware_.receive(bytes), int(bytes.size()));
        return;
    }
    QByteArray reply;
    for (const char c : bytes) {
        reply += bootloader_.receive(std::uint8_t(c));
        if (bootloader_.takeGoAddress()) {
            answer(reply, int(bytes.size()));
            reply.clear();
            runNewFirmware();
            break;
        }
    }
    answer(reply, int(bytes.size()));
}

void SimulatedPedal::countTowardsUnplug(int bytes) {
    if (!unplugAfter_) {
        return;
    }
    *unplugAfter_ -= bytes;
    if (*unplugAfter_ <= 0) {
        unplugAfter_.reset();
        plugged_ = false;
    }
}

void SimulatedPedal::runNewFirmware() {
    // The new firmware reports the version byte of the marker the upgrade
    // wrote behind the image.
    const auto& flash = bootloader_.flash();
    const int at = int(VersionMarkerAddress - Bootloader::FlashBase) + 7;
    firmware_.settings().firmwareVersion = std::uint8_t(flash[at]);
    mode_ = Mode::Firmware;
}

void SimulatedPedal::answer(const QByteArray& bytes, int heard) {
    if (bytes.isEmpty() || silent_) {
        return;
    }
    const QByteArray out = garbage_.isEmpty() ? bytes : garbage_;
    auto due = Clock::now() + delay_;
    if (baud_ > 0) {
        const qint64 bits = 10 * (heard + qint64(out.size()));
        due += std::chrono::nanoseconds(bits * 1'000'000'000 / baud_);
    }
    if (pieceSize_ <= 0) {
        queue_.push_back({out, due});
        return;
    }
    for (int at = 0; at < out.size(); at += pieceSize_) {
        queue_.push_back({out.mid(at, pieceSize_), due});
        due += pieceGap_;
    }
}

int SimulatedPedal::available() const {
    const auto now = Clock::now();
    int n = 0;
    for (const auto& piece : queue_) {
        if (piece.due > now) {
            break;
        }
        n += int(piece.bytes.size());
    }
    return n;
}

QByteArray SimulatedPedal::take(int max) {
    const auto now = Clock::now();
    QByteArray out;
    while (!queue_.empty() && queue_.front().due <= now && out.size() < max) {
        auto& piece = queue_.front();
        const int n = std::min<int>(max - int(out.size()), int(piece.bytes.size()));
        out += piece.bytes.left(n);
        piece.bytes.remove(0, n);
        if (piece.bytes.isEmpty()) {
            queue_.pop_front();
        }
    }
    return out;
}

void SimulatedPedal::purgeReceived() {
    // Only what has arrived is purged; later pieces are still on their way.
    const auto now = Clock::now();
    while (!queue_.empty() && queue_.front().due <= now) {
        queue_.pop_front();
    }
}
