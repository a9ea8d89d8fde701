#pragma once

// The fixed pauses after sending and the bootloader's byte pause. They block
// the thread and run no events. Tests scale them down so suites stay fast.
class Pacer {
public:
    explicit Pacer(double scale = 1.0) : scale_(scale) {}

    void sleepMs(int ms) const;
    // The pause after each byte of a bootloader data block.
    void bytePause() const;

    double scale() const { return scale_; }

private:
    double scale_;
};
