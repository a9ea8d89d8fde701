#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// Decodes a value answer: decimal numbers of one to three bytes, whose low
// four bits are the digits, each ended by a byte holding the digit D (CR).
// A byte holding the digit A (LF) starts a new number. Works on the digit
// text of the bytes, so A and D are matched in either digit of a byte.
//
// The first value found replaces `values`; a decode that finds no number
// leaves it untouched. Returns the number of values found. A non-decimal low
// digit raises the conversion error.
int decodeValueAnswer(const std::uint8_t* bytes, int count, std::vector<std::uint8_t>& values);
