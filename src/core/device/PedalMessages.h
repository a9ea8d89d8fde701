#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Every message the pedal's firmware takes, by its first byte, with its
// length in bytes, and the builders of their texts (hexadecimal digits, two
// per byte, numbers big-endian). One place, so a message's layout is written
// once; the simulated pedal keeps its own copy, written from the pedal's side.
namespace PedalMessages {

struct Kind {
    std::uint8_t opcode;
    int length;
};

inline constexpr Kind WriteToDsp{0x01, 7};
inline constexpr Kind DeviceInfo{0x02, 2};
inline constexpr Kind StoreSettings{0x03, 21};
inline constexpr Kind AssignControls{0x04, 16};
inline constexpr Kind MidiChannel{0x07, 2};
inline constexpr Kind FootswitchMode{0x08, 3};
inline constexpr Kind Tuning{0x09, 3};
inline constexpr Kind EepromErase{0x0B, 5};
inline constexpr Kind EepromRead{0x0C, 6};
inline constexpr Kind UploadPrefix{0x0D, 2};
inline constexpr Kind TuningTable{0x0E, 641};

// "0200": the pedal answers with its versions and settings.
QString DeviceInfoRequest();
// "0D00": the next write is an algorithm image or the tuning data.
QString UploadPrefixMessage();
// The one message that changes a parameter of the running effect: the
// opcode, the 16-bit DSP address and the 32-bit value word.
QString WriteToDspMessage(std::uint16_t address, std::uint32_t word);
// Which of the five controls (CTRL I to IV, the remote footswitch) are
// assigned, and the 16-bit target of each: a DSP address, or 0xFFFF, 0xFFFE,
// 0xFFFD for nothing, Bypass, Preset.
QString AssignMessage(const std::array<bool, 5>& assigned,
                      const std::array<std::uint16_t, 5>& targets);
// The pedal's footswitch: short press 00 Bypass, 01 Change Preset; long press
// 00 Change Preset, 01 Bypass.
QString FootswitchMessage(bool shortPressChangesPreset, bool longPressBypasses);
// The five assignable parameters' value words for the pedal to keep: Input
// Level, 1st Harmonic Pitch, Wave Clip, Dominant Note Cut, High Notes Cut.
QString StoreSettingsMessage(const std::array<std::uint32_t, 5>& words);
// The tuning filter table (640 bytes as hexadecimal text), sent after the
// upload prefix.
QString TuningTableMessage(const QString& table);
// The pedal's MIDI channel: 0 for all (OMNI), 1 to 16.
QString MidiChannelMessage(std::uint8_t channel);
// The instrument's tuning (0 to 7) and its pitch offset in semitones, a byte
// in two's complement (-2 is "FE").
QString TuningMessage(std::uint8_t tuning, std::int8_t semitones);

} // namespace PedalMessages
