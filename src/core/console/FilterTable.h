#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

// A peaking filter centred on a note, for the DSP's 48 kHz sample rate, as
// the rows of the pedal's tuning filter table: five coefficients in 9.23
// fixed point, four byte texts each.
namespace FilterTable {

inline constexpr double ReferenceHz = 110.0; // A2
inline constexpr double SampleRateHz = 48000.0;

// "A1" up to "G#5", a semitone apart; "A2" is entry 12.
QStringList noteNames();

// 110 Hz times 2 to the power of offset / 12.
double NoteFrequency(double noteOffset);

// b0, b1, b2, a1, a2, normalised so that a1 and a2 are added in the
// recursion.
std::array<double, 5> peakingCoefficients(double frequency, double q, double boostDb);

// The coefficient times 2^23, rounded half to even, its low 32 bits as four
// two-digit texts, most significant first.
std::array<QString, 4> fixedPointBytes(double coefficient);

// A value as the console logs it: up to 15 significant digits, the locale's
// decimal separator.
QString formatValue(double value, const QLocale& locale);

// The six lines of the table's declaration; one line that says why when a
// coefficient is not a finite number (a Q of 0).
QStringList tableLines(const QString& noteName, double frequency, double q, double boostDb,
                       const QLocale& locale);

} // namespace FilterTable
