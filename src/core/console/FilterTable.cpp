#include "console/FilterTable.h"

#include "device/HexText.h"

#include <cmath>
#include <numbers>

namespace FilterTable {

namespace {
constexpr double FixedPointScale = 8388608.0; // 2^23
constexpr double OutputGainDb = 0.0;
} // namespace

QStringList noteNames() {
    static const char* const names[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                        "F#", "G",  "G#", "A",  "A#", "B"};
    QStringList list;
    // Entry 0 is A1: nine semitones above C1.
    for (int semitone = 9; semitone < 9 + 48; ++semitone) {
        list << QString::fromLatin1(names[semitone % 12]) + QString::number(1 + semitone / 12);
    }
    return list;
}

double NoteFrequency(double noteOffset) {
    return ReferenceHz * std::pow(2.0, noteOffset / 12.0);
}

std::array<double, 5> peakingCoefficients(double frequency, double q, double boostDb) {
    const double A = std::pow(10.0, boostDb / 40.0);
    const double omega = 2.0 * std::numbers::pi * frequency / SampleRateHz;
    const double s = std::sin(omega);
    const double c = std::cos(omega);
    const double alpha = s / (2.0 * q);
    const double a0 = alpha / A + 1.0;
    const double g = std::pow(10.0, OutputGainDb / 20.0) / a0;
    return {(alpha * A + 1.0) * g, -(2.0 * c) * g, (1.0 - alpha * A) * g, 2.0 * c / a0,
            -(1.0 - alpha / A) / a0};
}

std::array<QString, 4> fixedPointBytes(double coefficient) {
    // Wrapping to 32 bits first keeps the conversion defined for any finite
    // value; fmod of a whole number is exact.
    const double rounded = std::nearbyint(coefficient * FixedPointScale);
    const auto word = static_cast<std::uint32_t>(
        static_cast<std::int64_t>(std::fmod(rounded, 4294967296.0)) & 0xFFFFFFFF);
    const QString digits = hexField(word, 8);
    return {digits.mid(0, 2), digits.mid(2, 2), digits.mid(4, 2), digits.mid(6, 2)};
}

QString formatValue(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QStringList tableLines(const QString& noteName, double frequency, double q, double boostDb,
                       const QLocale& locale) {
    const bool cut = boostDb < 0;
    const QString title = noteName + QStringLiteral("_") +
                          formatValue(cut ? -boostDb : boostDb, locale) + QStringLiteral("db_") +
                          (cut ? QStringLiteral("cut") : QStringLiteral("boost")) +
                          QStringLiteral("_Q") + formatValue(q, locale);
    const std::array<double, 5> coefficients = peakingCoefficients(frequency, q, boostDb);
    for (const double k : coefficients) {
        if (!std::isfinite(k)) {
            return {title + QStringLiteral(": no table, the coefficients are not finite numbers")};
        }
    }
    QStringList lines{title + QStringLiteral(" : array[0..19] of string =")};
    for (std::size_t row = 0; row < coefficients.size(); ++row) {
        QString line = row == 0 ? QStringLiteral("(") : QString();
        const std::array<QString, 4> bytes = fixedPointBytes(coefficients[row]);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const bool last = row + 1 == coefficients.size() && i + 1 == bytes.size();
            line += QLatin1Char('\'') + bytes[i] + QLatin1Char('\'') +
                    (last ? QStringLiteral(");") : QStringLiteral(", "));
        }
        lines << line;
    }
    return lines;
}

} // namespace FilterTable
