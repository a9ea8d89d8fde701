#pragma once

#include "device/FtTypes.h"

struct SerialSettings {
    ULONG baudRate = 0;
    UCHAR wordLength = 0;
    UCHAR stopBits = 0;
    UCHAR parity = 0;
};
