#pragma once

#include <chrono>

// The fixed pauses after sending and the bootloader's byte pause. They block
// the thread and run no events, but for the one long pause that keeps the
// windows live. Tests scale them down so suites stay fast, and record every
// pause asked for by overriding the calls.
class Pacer {
public:
    // The pause after each byte of a bootloader data block.
    static constexpr int BytePauseUs = 500;

    explicit Pacer(double scale = 1.0) : scale_(scale) {}
    virtual ~Pacer() = default;
    Pacer(const Pacer&) = delete;
    Pacer& operator=(const Pacer&) = delete;

    virtual void sleepMs(int ms);
    virtual void bytePause();
    // A pause in which the pending events run, so the windows repaint; the
    // caller keeps other commands away meanwhile.
    virtual void pauseLive(int ms);

    // A length of time in the same scale as the pauses, for the short quiet
    // windows that end a read.
    int scaledMs(int ms) const { return static_cast<int>(ms * scale_); }
    double scale() const { return scale_; }

private:
    double scale_;
    // How late the system lately woke the pauses' sleeps.
    std::chrono::nanoseconds lateness_{0};
    // How much longer than asked the byte pauses of this block have lasted,
    // and when the last one ended.
    std::chrono::nanoseconds overrun_{0};
    std::chrono::steady_clock::time_point lastEnd_;

    void pauseFor(std::chrono::nanoseconds length);
};
