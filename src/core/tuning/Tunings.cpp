#include "tuning/Tunings.h"

#include "device/HexText.h"

#include <cmath>
#include <numbers>

namespace Tunings {

namespace {

constexpr double SampleRate = 48000.0;
constexpr double A2 = 110.0;
constexpr double FractionScale = 8388608.0; // 2^23

struct Group {
    int firstRow, lastRow, firstSemitone;
    double cutDb, q;
};
constexpr Group Groups[] = {{0, 17, -7, -6.0, 11.0}, {18, 31, 3, -20.0, 12.0}};

std::uint32_t fixedPoint(double x) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(x * FractionScale)));
}

Row peakingCut(int semitones, double cutDb, double q) {
    const double f = A2 * std::pow(2.0, semitones / 12.0);
    const double w0 = 2.0 * std::numbers::pi * f / SampleRate;
    const double a = std::pow(10.0, cutDb / 40.0);
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha / a;
    return {fixedPoint((1.0 + alpha * a) / a0), fixedPoint(-2.0 * std::cos(w0) / a0),
            fixedPoint((1.0 - alpha * a) / a0), fixedPoint(2.0 * std::cos(w0) / a0),
            fixedPoint(-(1.0 - alpha / a) / a0)};
}

} // namespace

std::array<Row, Rows> TuningFilters() {
    std::array<Row, Rows> rows{};
    for (const Group& g : Groups) {
        for (int row = g.firstRow; row <= g.lastRow; ++row) {
            rows.at(size_t(row)) = peakingCut(g.firstSemitone + row - g.firstRow, g.cutDb, g.q);
        }
    }
    return rows;
}

QString TuningDataText() {
    QString text;
    for (const Row& row : TuningFilters()) {
        for (const std::uint32_t word : row) {
            text += hexField(word, 8);
        }
    }
    return text;
}

} // namespace Tunings
