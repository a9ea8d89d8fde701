#pragma once

#include "fx/Parameters.h"

#include <array>
#include <cstdint>

// What the effect settings keep beside the parameters for the whole run: which
// controls are assigned, the tuning with its pitch offset, the footswitch
// behaviour.
struct EffectSettings {
    std::array<bool, AssignableControls> AssignFlags{};
    std::uint8_t CurrentTuning = 0;
    std::int8_t SemitonesVariation = 0;
    std::uint16_t FootswitchMode = 0;
};
