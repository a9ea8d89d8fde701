#pragma once

#include <QString>
#include <optional>

// A whole number typed by a user or read from a file: leading blanks, a sign,
// then decimal digits, or hexadecimal ones after "$" or "0x". Nothing may
// follow the digits, and the value must fit 32 bits signed.
std::optional<int> parseIntegerText(const QString& text);
