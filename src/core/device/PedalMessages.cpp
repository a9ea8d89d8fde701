#include "device/PedalMessages.h"

#include "device/HexText.h"

namespace PedalMessages {

namespace {
QString opcode(const Kind& kind) {
    return hexField(kind.opcode, 2);
}
} // namespace

QString DeviceInfoRequest() {
    return opcode(DeviceInfo) + QStringLiteral("00");
}

QString UploadPrefixMessage() {
    return opcode(UploadPrefix) + QStringLiteral("00");
}

QString WriteToDspMessage(std::uint16_t address, std::uint32_t word) {
    return opcode(WriteToDsp) + hexField(address, 4) + hexField(word, 8);
}

QString AssignMessage(const std::array<bool, 5>& assigned,
                      const std::array<std::uint16_t, 5>& targets) {
    QString message = opcode(AssignControls);
    for (const bool flag : assigned) {
        message += hexField(flag ? 1 : 0, 2);
    }
    for (const std::uint16_t target : targets) {
        message += hexField(target, 4);
    }
    return message;
}

QString FootswitchMessage(bool shortPressChangesPreset, bool longPressBypasses) {
    return opcode(FootswitchMode) + hexField(shortPressChangesPreset ? 1 : 0, 2) +
           hexField(longPressBypasses ? 1 : 0, 2);
}

QString StoreSettingsMessage(const std::array<std::uint32_t, 5>& words) {
    QString message = opcode(StoreSettings);
    for (const std::uint32_t word : words) {
        message += hexField(word, 8);
    }
    return message;
}

QString TuningTableMessage(const QString& table) {
    return opcode(TuningTable) + table;
}

QString MidiChannelMessage(std::uint8_t channel) {
    return opcode(MidiChannel) + hexField(channel, 2);
}

QString TuningMessage(std::uint8_t tuning, std::int8_t semitones) {
    return opcode(Tuning) + hexField(tuning, 2) + hexField(semitones, 2);
}

} // namespace PedalMessages
