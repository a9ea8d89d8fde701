#include "update/TformNewVersionMsg.h"

TformNewVersionMsg::TformNewVersionMsg() {
    setWindowTitle(QStringLiteral("New Version"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(268, 146);
}
