#include "fx/SettingsReadback.h"

#include "app/DiagnosticLog.h"
#include "device/HexText.h"
#include "fx/EffectSettings.h"
#include "fx/Parameters.h"

namespace {

std::uint16_t word16(const SettingsReadback::Values& v, int at) {
    return static_cast<std::uint16_t>((v.at(size_t(at)) << 8) | v.at(size_t(at) + 1));
}

std::uint32_t word32(const SettingsReadback::Values& v, int at) {
    return (std::uint32_t(word16(v, at)) << 16) | word16(v, at + 2);
}

// The log labels of the values, in the settings answer's order.
const char* const ValueLabels[ParameterSet::Count] = {
    "Dry: \t",
    "Sub Mix: ",
    "Sub -1: \t",
    "Sub -2: \t",
    "Wave: \t",
    "LPF: \t",
    "HPF: \t",
    "1st Harmonic: \t",
    "Split: \t",
    "Range: \t",
    "Input Lvl: \t",
    "Harmonic pitch: \t",
    "Clip: \t",
    "Dominant notes cut: \t",
    "High notes cut: \t",
};

} // namespace

std::uint16_t SettingsReadback::DecodeFootswitchMode(const Values& v, int offset) {
    settings_.FootswitchMode = v.at(size_t(offset));
    log_.ConsoleLog(QStringLiteral("Footswitch Mode: %1").arg(settings_.FootswitchMode));
    return settings_.FootswitchMode;
}

std::array<int, 5> SettingsReadback::DecodeAssignments(const Values& v, int offset) {
    std::array<int, AssignableControls> entries{};
    std::array<bool, AssignableControls> flagged{};
    for (int i = 0; i < AssignableControls; ++i) {
        flagged.at(size_t(i)) = v.at(size_t(offset + i)) != 0;
        entries.at(size_t(i)) = flagged.at(size_t(i)) ? -1 : 0;
    }
    for (assignable_parameter* p :
         {&params_.InputLevel, &params_.FirstHarmonicPitch, &params_.WaveClip,
          &params_.DominantNoteCut, &params_.HighNotesCut}) {
        p->is_assigned = false;
    }
    // Each comparison is made in turn; a later match wins the list.
    const auto match = [&](int control, std::initializer_list<assignable_parameter*> choices) {
        if (!flagged.at(size_t(control))) {
            return;
        }
        const std::uint16_t target = word16(v, offset + AssignableControls + 2 * control);
        int entry = 1;
        for (assignable_parameter* p : choices) {
            if (target == p->address) {
                entries.at(size_t(control)) = entry;
                p->is_assigned = true;
            }
            ++entry;
        }
    };
    for (int control : {0, 1}) {
        match(control, {&params_.InputLevel, &params_.FirstHarmonicPitch, &params_.WaveClip});
    }
    for (int control : {2, 3}) {
        match(control, {&params_.DominantNoteCut, &params_.HighNotesCut});
    }
    constexpr int Remote = 4;
    if (flagged.at(Remote)) {
        const std::uint16_t target = word16(v, offset + AssignableControls + 2 * Remote);
        if (target == BypassTarget) {
            entries.at(Remote) = 1;
        } else if (target == PresetTarget) {
            entries.at(Remote) = 2;
        }
    }
    return entries;
}

void SettingsReadback::DecodeTuning(const Values& v, int offset) {
    settings_.CurrentTuning = v.at(size_t(offset));
    settings_.SemitonesVariation = static_cast<std::int8_t>(v.at(size_t(offset) + 1));
    log_.ConsoleLog(QStringLiteral("Current Tuning: %1").arg(settings_.CurrentTuning));
    log_.ConsoleLog(QStringLiteral("Semitones variation: ") +
                    hexField(settings_.SemitonesVariation, 2));
}

void SettingsReadback::DecodeParameterValues(const Values& v, int offset) {
    for (int i = 0; i < ParameterSet::Count; ++i) {
        params_.value(i) = word32(v, offset + 4 * i);
    }
    for (int i = 0; i < ParameterSet::Count; ++i) {
        log_.ConsoleLog(QString::fromLatin1(ValueLabels[i]) + hexField(params_.value(i), 8));
    }
}
