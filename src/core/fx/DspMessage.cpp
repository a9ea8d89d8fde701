#include "fx/DspMessage.h"

#include "device/HexText.h"

QString WriteToDspMessage(std::uint16_t address, std::uint32_t word) {
    return QStringLiteral("01") + hexField(address, 4) + hexField(word, 8);
}
