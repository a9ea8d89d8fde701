#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The pedal's tracking filters: 32 peaking sections that cut narrow bands at
// guitar notes, each five 32-bit fixed-point words with 23 fractional bits in
// the order b0, b1, b2, a1, a2 (a1 and a2 with their signs inverted).
namespace Tunings {

inline constexpr int Rows = 32;
using Row = std::array<std::uint32_t, 5>;

// Rows 0 to 17: D2 to G3 cut by 6 dB with Q 11; rows 18 to 31: C3 to C#4 cut
// by 20 dB with Q 12; at 48 kHz, notes counted in semitones from A2 (110 Hz).
std::array<Row, Rows> TuningFilters();

// The 1,280 hexadecimal digits of all rows, row 0 first.
QString TuningDataText();

} // namespace Tunings
