#pragma once

#include "fx/Parameters.h"

#include <array>
#include <cstdint>

// What the effect settings keep beside the parameters for the whole run: which
// controls are assigned, the tuning with its pitch offset, the footswitch
// behaviour.
struct EffectSettings {
    // The entry each control's list shows, in control order: 0 is "Not
    // Assigned", the others as listed by assignmentEntries.
    std::array<int, AssignableControls> AssignEntries{};
    std::array<bool, AssignableControls> AssignFlags{};
    std::uint8_t CurrentTuning = 0;
    std::int8_t SemitonesVariation = 0;
    std::uint16_t FootswitchMode = 0;
    // The footswitch radio buttons: short press Bypass and long press Change
    // Preset unless chosen otherwise.
    bool ShortPressChangesPreset = false;
    bool LongPressBypasses = false;
};
