#pragma once

#include "device/FtTypes.h"

#include <QString>

// The text that follows an operation's name in a D2XX failure box.
QString ftStatusText(FT_STATUS status);
