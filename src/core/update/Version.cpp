#include "update/Version.h"

namespace {
// More digits would not fit in an int.
constexpr int LongestNumber = 9;
// An HTML page is shown by its start only.
constexpr int ShownCharacters = 40;
} // namespace

std::optional<QList<int>> parseVersion(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.trimmed().split(QLatin1Char('.'))) {
        if (part.isEmpty() || part.size() > LongestNumber) {
            return std::nullopt;
        }
        int value = 0;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return std::nullopt;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        numbers << value;
    }
    return numbers;
}

bool isNewerVersion(const QList<int>& candidate, const QList<int>& current) {
    const qsizetype parts = std::max(candidate.size(), current.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const int a = candidate.value(i);
        const int b = current.value(i);
        if (a != b) {
            return a > b;
        }
    }
    return false;
}

QString notAVersionText(const QString& text) {
    QString shown = text.simplified();
    if (shown.size() > ShownCharacters) {
        shown = shown.left(ShownCharacters) + QStringLiteral("...");
    }
    return QStringLiteral("'%1' is not a valid version number").arg(shown);
}
