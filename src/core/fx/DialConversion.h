#pragma once

#include <cstdint>

// The dials report whole degrees in (-180, 180]. Their sweep runs clockwise
// from -135 (level 0) through 180 and 0 to -45 (level 1023); the sector
// between -135 and -45 through -90 is dead.

// Moves an angle in the dead sector to the nearer end of the sweep.
int SnapDialAngle(int angle);
// The position 0..269 along the sweep.
int DialAngleToPosition(int angle);
// The 10-bit level of a position: round(p x 1023 / 269).
int positionToLevel(int position);
// A level shifted into the DSP's value word; 0x800000 is full scale.
std::uint32_t levelWord(int level);

// The full scales a dial shows a word against: the levels, and the three
// step parameters.
inline constexpr std::uint32_t LevelFullScale = 0x800000;
inline constexpr std::uint32_t LowPassFullScale = 24;
inline constexpr std::uint32_t HighPassFullScale = 16;
inline constexpr std::uint32_t RangeFullScale = 22;

// The level a word shows: the word shifted right by 13, at most 1023.
int wordLevel(std::uint32_t word);
// (x - inMin) x (outMax - outMin) / (inMax - inMin) + outMin, the division
// truncating toward zero.
int MapRange(int x, int inMin, int inMax, int outMin, int outMax);
// The angle at which a dial shows a value word of the given full scale
// (0x800000 for the levels, 24, 16 and 22 for the step parameters): the level
// of the word, at most 1023, along the sweep.
int ValueToDialAngle(std::uint32_t word, std::uint32_t fullScale);
