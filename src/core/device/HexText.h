#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Messages to the pedal are texts of hexadecimal digits, two per byte, high
// digit first.

// Converts up to `pairs` digit pairs into bytes at `destination`; stops at the
// first pair holding anything but 0-9, A-F, a-f. Returns the bytes produced.
int HexTextToBytes(const QString& text, std::uint8_t* destination, int pairs);

// 2 x count upper-case digits.
QString BytesToHexText(const std::uint8_t* source, int count);

// Byte i is the pair at 2i, 2i + 1; a pair that is not a hexadecimal number
// raises the conversion error.
QByteArray HexToBytes(const QString& hex);

// The 8-bit text of the digit pairs, one character per byte (Latin-1).
QString Hex2String(const QString& hex);

// True when the text is an even number of hexadecimal digits.
bool isHexMessage(const QString& text);

// Upper-case hexadecimal digits of `value`, zero-padded to `width`; a value
// that needs more digits keeps them all. A negative value is its width's
// two's complement (-2 in two digits is "FE").
QString hexField(std::int64_t value, int width);
