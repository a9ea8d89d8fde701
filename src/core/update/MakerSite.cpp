#include "update/MakerSite.h"

#include <QtGlobal>

MakerSite::MakerSite() : base_(qEnvironmentVariable("TARNWICK_WEB_BASE")) {
    if (base_.isEmpty()) {
        base_ = QStringLiteral(TARNWICK_WEB_BASE);
    }
    // "https://host/" and "https://host" name the same server.
    while (base_.endsWith(QLatin1Char('/'))) {
        base_.chop(1);
    }
}
