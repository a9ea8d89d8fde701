#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// A parameter that can also be put under one of the pedal's CTRL buttons.
struct assignable_parameter {
    std::uint16_t address;
    bool is_assigned;
    QString parameter_name;
    bool control_type = false;
    std::uint32_t value = 0;

    assignable_parameter(const QString& name, std::uint16_t address_, bool assigned)
        : address(address_), is_assigned(assigned), parameter_name(name) {}
};

// A plain parameter.
struct standard_parameter {
    bool is_assigned = false;
    std::uint8_t num_of_addresses;
    QString parameter_name;
    std::uint8_t parameter_type = 0;
    bool control_type = false;
    std::uint32_t value = 0;
    std::uint16_t address;

    standard_parameter(const QString& name, std::uint16_t address_, std::uint8_t addresses)
        : num_of_addresses(addresses), parameter_name(name), address(address_) {}
};

// The 25 value words of "1st Harmonic Pitch", by position in the pitch list
// ("-12" to "+12"): linear between the octave points, not equal-tempered.
inline constexpr std::array<std::uint32_t, 25> PitchTable = {
    0x00200000, 0x0022AAA8, 0x00255558, 0x00280000, 0x002AAAA8, 0x002D5558, 0x00300000,
    0x0032AAA8, 0x00355558, 0x00380000, 0x003AAAA8, 0x003D5558, 0x00400000, 0x00455558,
    0x004AAAA8, 0x00500000, 0x00555558, 0x005AAAA8, 0x00600000, 0x00655558, 0x006AAAA8,
    0x00700000, 0x00755558, 0x007AAAA8, 0x00800000};

// The pedal's five assignable controls, in the order of every message.
inline constexpr int AssignableControls = 5;
inline constexpr int StandardParameters = 10;
inline constexpr int AssignableParameters = 5;

// Targets of a control that are not parameter addresses.
inline constexpr std::uint16_t NotAssignedTarget = 0xFFFF;
inline constexpr std::uint16_t BypassTarget = 0xFFFE;
inline constexpr std::uint16_t PresetTarget = 0xFFFD;

// The entries of each control's list, in control order I, II, III, IV, remote.
QStringList assignmentEntries(int control);
// The labels above the lists.
QString assignmentLabel(int control);

// The fifteen parameters of the octave-down effect, kept for the whole run.
class ParameterSet {
public:
    static constexpr int Count = 15;
    // Digits of the address table at the head of an algorithm image.
    static constexpr int AddressTableDigits = 74;

    ParameterSet();

    // Created in this order.
    assignable_parameter InputLevel;
    assignable_parameter FirstHarmonicPitch;
    assignable_parameter WaveClip;
    assignable_parameter DominantNoteCut;
    assignable_parameter HighNotesCut;
    standard_parameter Dry;
    standard_parameter Minus1Oct;
    standard_parameter SubMix;
    standard_parameter Minus2Oct;
    standard_parameter LowPass;
    standard_parameter HighPass;
    standard_parameter Range;
    standard_parameter FirstHarmonic;
    standard_parameter Wave;
    standard_parameter Split;

    // ParameterOrder, the order of the settings answer and of preset files:
    // Dry, Sub Mix, -1 Oct, -2 Oct, Wave, Low Pass, High Pass, 1st Harmonic,
    // Split, Range, Input Level, 1st Harmonic Pitch, Wave Clip, Dominant Note
    // Cut, High Notes Cut.
    std::uint32_t& value(int i) { return *fields(i).value; }
    std::uint16_t& address(int i) { return *fields(i).address; }
    const QString& name(int i) { return *fields(i).name; }

    // Reads the 17 address slots of the image's first line; slots 9 to 11 are
    // read and dropped, "Range" has none. A line too short for the table is
    // refused and no address changes; a pair that is not hexadecimal raises
    // the conversion error.
    void LoadParameterAddresses(const QString& imageText);

    struct Fields {
        std::uint32_t* value;
        std::uint16_t* address;
        const QString* name;
    };

private:
    Fields fields(int i);
};
