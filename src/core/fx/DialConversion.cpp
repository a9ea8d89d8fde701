#include "fx/DialConversion.h"

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
