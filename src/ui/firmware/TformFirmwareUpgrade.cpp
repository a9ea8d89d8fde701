#include "firmware/TformFirmwareUpgrade.h"

TformFirmwareUpgrade::TformFirmwareUpgrade() {
    setWindowTitle(QStringLiteral("Firmware Upgrade"));
    setFixedSize(196, 141);
}
