#include "fx/PresetFile.h"

#include "device/HexText.h"
#include "fx/Parameters.h"

#include <QRegularExpression>
#include <QStringList>

namespace PresetFile {

namespace {
constexpr int Digits = 8;
const QString LineEnd = QStringLiteral("\r\n");
} // namespace

QString text(ParameterSet& params) {
    QStringList lines;
    for (int i = 0; i < ParameterSet::Count; ++i) {
        lines << hexField(params.value(i), Digits);
    }
    return lines.join(QLatin1Char('\r'));
}

QByteArray bytes(const QString& text) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString rejoined(const QByteArray& file) {
    // The conversion drops a leading byte order mark.
    const QString text = QString::fromUtf8(file);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    // A final line end adds no empty line.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QString joined;
    for (const QString& line : lines) {
        joined += line + LineEnd;
    }
    return joined;
}

Parsed parse(const QString& rejoinedText) {
    Parsed parsed;
    const QStringList lines = rejoinedText.split(LineEnd);
    for (int k = 0; k < ParameterSet::Count; ++k) {
        // The last piece of the split is what follows the final line end.
        const QString line = k + 1 < lines.size() ? lines[k] : QString();
        if (line.size() != Digits || !isHexMessage(line)) {
            parsed.badLine = k + 1;
            return parsed;
        }
        parsed.values.at(size_t(k)) = rejoinedText.mid(10 * k, Digits).toUInt(nullptr, 16);
    }
    return parsed;
}

} // namespace PresetFile
