#include "app/ShellParameters.h"

QString quotedParameters(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& a : arguments) {
        quoted << QLatin1Char('"') + a + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(' '));
}
