#include "app/IntegerText.h"

#include <limits>

std::optional<int> parseIntegerText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (text.mid(i, 1) == QLatin1String("$")) {
        base = 16;
        i += 1;
    } else if (text.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    }
    const QString digits = text.mid(i);
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                          : base == 16 && QStringLiteral("abcdef").contains(c.toLower())
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}
