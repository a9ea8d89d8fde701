#include "fx/DialConversion.h"

#include <algorithm>

namespace {
constexpr int SweepStart = -135;
constexpr int SweepEnd = -45;
constexpr int DeadMiddle = -90;
constexpr int LastPosition = 269;
constexpr int MaxLevel = 1023;
constexpr int LevelShift = 13;
} // namespace

int SnapDialAngle(int angle) {
    if (angle > SweepStart && angle <= DeadMiddle) {
        return SweepStart;
    }
    if (angle > DeadMiddle && angle < SweepEnd) {
        return SweepEnd;
    }
    return angle;
}

int DialAngleToPosition(int angle) {
    if (angle >= -179 && angle <= SweepStart) {
        return -angle + SweepStart;
    }
    if (angle >= SweepEnd) {
        return 224 - angle;
    }
    // Inside the dead sector: the nearer end.
    return angle <= DeadMiddle ? 0 : LastPosition;
}

int positionToLevel(int position) {
    return (2 * position * MaxLevel + LastPosition) / (2 * LastPosition);
}

std::uint32_t levelWord(int level) {
    return std::uint32_t(level) << LevelShift;
}

int wordLevel(std::uint32_t word) {
    return static_cast<int>(std::min<std::uint32_t>(word >> LevelShift, MaxLevel));
}

int MapRange(int x, int inMin, int inMax, int outMin, int outMax) {
    return (x - inMin) * (outMax - outMin) / (inMax - inMin) + outMin;
}

int ValueToDialAngle(std::uint32_t word, std::uint32_t fullScale) {
    int n = 0;
    if (fullScale == LevelFullScale) {
        n = wordLevel(word);
    } else {
        // A step parameter's product wraps at 32 bits.
        const std::uint32_t level = static_cast<std::uint32_t>((8192 / fullScale) * word) >> 3;
        n = static_cast<int>(std::min<std::uint32_t>(level, MaxLevel));
    }
    // Six segments of about 45 degrees, clockwise from -135 through 180.
    struct Segment {
        int first, last, from, to;
    };
    static constexpr Segment segments[] = {
        {0, 169, -135, -179}, {170, 339, 180, 135}, {340, 511, 136, 90},
        {512, 680, 89, 45},   {681, 850, 44, 0},    {851, 1023, -1, -45},
    };
    const Segment* s = segments;
    while (n > s->last) {
        ++s;
    }
    return MapRange(n, s->first, s->last, s->from, s->to);
}
