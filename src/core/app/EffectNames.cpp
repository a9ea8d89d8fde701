#include "app/EffectNames.h"

#include "app/EditorError.h"

QString format_resource_name(const QString& instring) {
    QString name = instring;
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    name.replace(QLatin1Char('+'), QStringLiteral("plus"));
    name.replace(QLatin1Char('X'), QStringLiteral("mult"), Qt::CaseSensitive);
    return name;
}

int effectAlgorithmVersion(const QString& effectName) {
    QString digits = effectName.mid(12, 5);
    while (digits.startsWith(QLatin1Char(' '))) {
        digits.remove(0, 1);
    }
    bool ok = false;
    const int version = digits.toInt(&ok, 10);
    if (!ok || digits.contains(QLatin1Char(' '))) {
        throw ConversionError::integer(digits);
    }
    return version;
}
