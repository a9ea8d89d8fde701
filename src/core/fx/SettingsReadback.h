#pragma once

#include <array>
#include <cstdint>
#include <vector>

class DiagnosticLog;
class ParameterSet;
struct EffectSettings;

// The settings part of the pedal's answer to "0200" (values 4 to 81): read
// into the parameters and the effect settings, and logged. The window shows
// what this reads.
class SettingsReadback {
public:
    using Values = std::vector<std::uint8_t>;
    static constexpr int FootswitchOffset = 4;
    static constexpr int AssignmentsOffset = 5;
    static constexpr int TuningOffset = 20;
    static constexpr int ValuesOffset = 22;

    SettingsReadback(DiagnosticLog& log, ParameterSet& params, EffectSettings& settings)
        : log_(log), params_(params), settings_(settings) {}

    // The mode, 0 to 3 (2 x short code + long code); logged.
    std::uint16_t DecodeFootswitchMode(const Values& v, int offset);
    // The list entry each control is to show, in control order, or -1 where
    // the list keeps its entry (a target that matches nothing). Marks the
    // assigned records.
    std::array<int, 5> DecodeAssignments(const Values& v, int offset);
    // The tuning and its pitch offset; logged.
    void DecodeTuning(const Values& v, int offset);
    // The fifteen value words in the settings answer's order; logged.
    void DecodeParameterValues(const Values& v, int offset);

private:
    DiagnosticLog& log_;
    ParameterSet& params_;
    EffectSettings& settings_;
};
