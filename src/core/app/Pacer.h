#pragma once

// The fixed pauses after sending and the bootloader's byte pause. They block
// the thread and run no events. Tests scale them down so suites stay fast,
// and record every pause asked for by overriding the two calls.
class Pacer {
public:
    explicit Pacer(double scale = 1.0) : scale_(scale) {}
    virtual ~Pacer() = default;
    Pacer(const Pacer&) = delete;
    Pacer& operator=(const Pacer&) = delete;

    virtual void sleepMs(int ms);
    // The pause after each byte of a bootloader data block.
    virtual void bytePause();

    // A length of time in the same scale as the pauses, for the short quiet
    // windows that end a read.
    int scaledMs(int ms) const { return static_cast<int>(ms * scale_); }
    double scale() const { return scale_; }

private:
    double scale_;
};
