#include "device/FtStatusText.h"

#include <array>

QString ftStatusText(FT_STATUS status) {
    // Statuses 8 and 9 carry no dash, and 17 has a blank before its dots.
    static constexpr std::array<const char*, 18> texts = {
        "",
        " - Invalid handle...",
        " - Device not found...",
        " - Device not opened...",
        " - General IO error...",
        " - Insufficient resources...",
        " - Invalid parameter...",
        " - Invalid baud rate...",
        " Device not opened for erase...",
        " Device not opened for write...",
        " - Failed to write...",
        " - EEPROM read failed...",
        " - EEPROM write failed...",
        " - EEPROM erase failed...",
        " - EEPROM not present...",
        " - EEPROM not programmed...",
        " - Invalid arguments...",
        " - Other error ...",
    };
    if (status < texts.size()) {
        return QString::fromLatin1(texts[status]);
    }
    return QStringLiteral(" - Unknown error (status %1)...").arg(status);
}
