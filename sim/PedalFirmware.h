#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <map>

// What the pedal's firmware keeps: the running effect's parameter words by
// DSP address, the assignments, tuning, footswitch mode, MIDI channel,
// versions and a 16 KiB EEPROM.
struct PedalSettings {
    std::uint8_t firmwareVersion = 7;
    std::uint16_t algorithmVersion = 8;
    std::uint8_t effectNumber = 1;
    std::uint8_t footswitchMode = 0;
    std::array<std::uint8_t, 5> assignFlags{};
    std::array<std::uint16_t, 5> assignTargets{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    std::uint8_t tuning = 0;
    std::int8_t semitones = 0;
    int midiChannel = -1; // none chosen yet
    // Slot k of the running algorithm's address table.
    std::array<std::uint16_t, 17> addressTable{};
    std::map<std::uint16_t, std::uint32_t> dspWords;
    std::uint32_t rangeWord = 11; // "Range" has no DSP address
    std::array<std::uint32_t, 5> storedWords{};
    int storeCount = 0;
    QByteArray eeprom = QByteArray(16384, char(0xFF));
    QByteArray algorithmImage;
    QByteArray tuningTable;
};

// The pedal's normal firmware: takes the host's bytes as messages, keyed by
// their first byte, and queues its answers.
class PedalFirmware {
public:
    static constexpr int AnswerValues = 82;
    static const QByteArray UploadAnswer;

    PedalFirmware();

    // Feeds received bytes; returns what the pedal answers to them.
    QByteArray receive(const QByteArray& bytes);

    PedalSettings& settings() { return settings_; }
    const PedalSettings& settings() const { return settings_; }

    // The word the pedal holds for parameter i of the settings answer order.
    std::uint32_t parameterWord(int i) const;
    // The 82 values of the device-information answer, before encoding.
    QByteArray deviceInfoValues() const;
    // Each value as ASCII decimal digits ended by CR LF.
    static QByteArray encodeValues(const QByteArray& values);

private:
    PedalSettings settings_;
    QByteArray pending_;
    bool uploadExpected_ = false;

    int expectedLength() const;
    QByteArray handle(const QByteArray& message);
    void loadAlgorithm(const QByteArray& image);
};
