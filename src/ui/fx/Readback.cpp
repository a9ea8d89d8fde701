// Showing the pedal's settings: the controls take the values read back, and
// each one that changes runs its own change handling.
#include "fx/DialConversion.h"
#include "fx/EffectSettings.h"
#include "fx/SettingsReadback.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"
#include "widgets/OnOffSwitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {
constexpr std::uint32_t WaveOn = 0x400000;
constexpr std::uint32_t WaveOff = 0x600000;
constexpr int SemitoneEntryOfZero = 5;
} // namespace

void TformFXsettings::readBack(const std::vector<std::uint8_t>& values) {
    SettingsReadback& readback = parts_.readback;
    const std::uint16_t mode =
        readback.DecodeFootswitchMode(values, SettingsReadback::FootswitchOffset);
    // mode = 2 x short code + long code; any other number changes nothing.
    if (mode <= 3) {
        (mode & 2 ? chkChangePresetShortPress : chkBypassShortPress)->setChecked(true);
        (mode & 1 ? chkBypassLongPress : chkChangePresetLongPress)->setChecked(true);
    }

    const auto entries = readback.DecodeAssignments(values, SettingsReadback::AssignmentsOffset);
    const auto lists = assignmentLists();
    for (size_t i = 0; i < lists.size(); ++i) {
        if (entries[i] >= 0) {
            lists[i]->setCurrentIndex(entries[i]);
        }
    }

    readback.DecodeTuning(values, SettingsReadback::TuningOffset);
    // A byte with no entry leaves its list as it was.
    const int tuning = parts_.settings.CurrentTuning;
    if (tuning < cmbGuitarTuning->count()) {
        cmbGuitarTuning->setCurrentIndex(tuning);
    }
    const int semitoneEntry = parts_.settings.SemitonesVariation + SemitoneEntryOfZero;
    if (semitoneEntry >= 0 && semitoneEntry < cmbSemitonesVariation->count()) {
        cmbSemitonesVariation->setCurrentIndex(semitoneEntry);
    }

    readback.DecodeParameterValues(values, SettingsReadback::ValuesOffset);
    ShowParameterValues();
}

void TformFXsettings::ShowParameterValues() {
    const auto show = [](AngleDial* dial, std::uint32_t word, std::uint32_t fullScale) {
        dial->setAngle(ValueToDialAngle(word, fullScale));
    };
    show(dialDry, params.Dry.value, LevelFullScale);
    show(dialSubMix, params.SubMix.value, LevelFullScale);
    show(dialMinus1Oct, params.Minus1Oct.value, LevelFullScale);
    show(dialMinus2Oct, params.Minus2Oct.value, LevelFullScale);
    if (params.Wave.value == WaveOn || params.Wave.value == WaveOff) {
        swtWave->setChecked(params.Wave.value == WaveOn);
    }
    show(dialLowPass, params.LowPass.value, LowPassFullScale);
    show(dialHighPass, params.HighPass.value, HighPassFullScale);
    show(dial1stHarmonic, params.FirstHarmonic.value, LevelFullScale);
    if (params.Split.value <= 1) {
        swtSplit->setChecked(params.Split.value == 1);
    }
    show(dialRange, params.Range.value, RangeFullScale);
    show(dialInputLevel, params.InputLevel.value, LevelFullScale);
    show(dialClipWave, params.WaveClip.value, LevelFullScale);
    for (int position = 0; position < int(PitchTable.size()); ++position) {
        if (PitchTable[size_t(position)] == params.FirstHarmonicPitch.value) {
            cmbVariableWavePitch->setCurrentIndex(position);
        }
    }
    chkDominantNoteCut->setChecked(params.DominantNoteCut.value == 1);
    chkHighNoteCut->setChecked(params.HighNotesCut.value == 1);
}
