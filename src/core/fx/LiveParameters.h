#pragma once

#include <cstdint>

class PedalLink;

// Live control of the running effect: a dial's angle or a pitch entry becomes
// a value word, sent at once as one write to DSP message, no answer awaited.
class LiveParameters {
public:
    explicit LiveParameters(PedalLink& link) : link_(link) {}

    // The level of a dial at `angle` (outside the dead sector); returns the
    // word sent.
    std::uint32_t sendDialLevel(std::uint16_t address, int angle);
    // The pitch word of pitch list entry `position` (0 to 24); returns it.
    std::uint32_t sendPitch(std::uint16_t address, int position);
    // A note cut switch's value, 0 or 1, logged as "write to DSP msg: ".
    void WriteDspParameter(std::uint16_t address, std::uint32_t value);

private:
    PedalLink& link_;

    void send(std::uint16_t address, std::uint32_t word);
};
