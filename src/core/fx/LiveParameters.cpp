#include "fx/LiveParameters.h"

#include "app/DiagnosticLog.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"
#include "fx/DialConversion.h"
#include "fx/Parameters.h"

std::uint32_t LiveParameters::sendDialLevel(std::uint16_t address, int angle) {
    const std::uint32_t word = levelWord(positionToLevel(DialAngleToPosition(angle)));
    send(address, word);
    return word;
}

std::uint32_t LiveParameters::sendPitch(std::uint16_t address, int position) {
    const std::uint32_t word = PitchTable.at(static_cast<size_t>(position));
    send(address, word);
    return word;
}

void LiveParameters::WriteDspParameter(std::uint16_t address, std::uint32_t value) {
    const QString message = PedalMessages::WriteToDspMessage(address, value);
    link_.log().ConsoleLog(QStringLiteral("write to DSP msg: ") + message);
    link_.comm().SendHexMessage(message, false);
}

void LiveParameters::send(std::uint16_t address, std::uint32_t word) {
    link_.comm().SendHexMessage(PedalMessages::WriteToDspMessage(address, word), false);
}
