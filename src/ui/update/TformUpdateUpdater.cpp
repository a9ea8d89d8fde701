#include "update/TformUpdateUpdater.h"

TformUpdateUpdater::TformUpdateUpdater() {
    setWindowTitle(QStringLiteral("UpdateUpdater"));
}
