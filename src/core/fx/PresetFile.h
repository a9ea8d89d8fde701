#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class ParameterSet;

// The preset file: the fifteen values in the settings answer's order, each
// as eight upper-case hexadecimal digits, a CR between two lines and none
// after the last, in UTF-8 with a byte order mark (137 bytes).
namespace PresetFile {

QString text(ParameterSet& params);
QByteArray bytes(const QString& text);

// The text as read: a byte order mark skipped, the lines split at CR, LF or
// CR LF and joined again with CR LF after every line.
QString rejoined(const QByteArray& file);

// The fifteen values of a rejoined text, field k being the eight characters
// at 10k. A text whose first fifteen lines are not all eight hexadecimal
// digits gives no values and the number of the first such line (from 1).
struct Parsed {
    std::array<std::uint32_t, 15> values{};
    int badLine = 0;
};
Parsed parse(const QString& rejoinedText);

} // namespace PresetFile
