// Live parameter control: each accepted change of a dial or of the pitch list
// goes to the pedal at once as one write to DSP message.
#include "app/Dialogs.h"
#include "app/Editor.h"
#include "device/Communication.h"
#include "fx/DialConversion.h"
#include "fx/DspMessage.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QComboBox>
#include <QSignalBlocker>

bool TformFXsettings::assignedLock(const assignable_parameter& parameter) {
    if (parameter.is_assigned && !editor_.state().ReadbackInProgress) {
        editor_.dialogs().showMessage(QStringLiteral(
            "This parameter is currently assigned and cannot be controlled from here"));
        return true;
    }
    return false;
}

std::uint32_t TformFXsettings::SendDialValue(AngleDial* dial, std::uint16_t address) {
    {
        // The snapped angle is the one sent below; its own change is not a
        // second message.
        const QSignalBlocker once(dial);
        dial->setAngle(SnapDialAngle(dial->angle()));
    }
    const std::uint32_t word = levelWord(positionToLevel(DialAngleToPosition(dial->angle())));
    editor_.comm().SendHexMessage(WriteToDspMessage(address, word), false);
    return word;
}

void TformFXsettings::dialDryChange() {
    if (!editor_.refuseWhileWaiting()) {
        params.Dry.value = SendDialValue(dialDry, params.Dry.address);
    }
}

void TformFXsettings::dialMinus1OctChange() {
    if (!editor_.refuseWhileWaiting()) {
        params.Minus1Oct.value = SendDialValue(dialMinus1Oct, params.Minus1Oct.address);
    }
}

void TformFXsettings::dialSubMixChange() {
    if (!editor_.refuseWhileWaiting()) {
        params.SubMix.value = SendDialValue(dialSubMix, params.SubMix.address);
    }
}

void TformFXsettings::dialMinus2OctChange() {
    if (!editor_.refuseWhileWaiting()) {
        params.Minus2Oct.value = SendDialValue(dialMinus2Oct, params.Minus2Oct.address);
    }
}

void TformFXsettings::OnChange_dialInputLevel() {
    if (!assignedLock(params.InputLevel) && !editor_.refuseWhileWaiting()) {
        params.InputLevel.value = SendDialValue(dialInputLevel, params.InputLevel.address);
    }
}

void TformFXsettings::dialClipWaveChange() {
    if (!assignedLock(params.WaveClip) && !editor_.refuseWhileWaiting()) {
        params.WaveClip.value = SendDialValue(dialClipWave, params.WaveClip.address);
    }
}

void TformFXsettings::VariWavePitchOnChange() {
    if (assignedLock(params.FirstHarmonicPitch) || editor_.refuseWhileWaiting()) {
        return;
    }
    const int position = cmbVariableWavePitch->currentIndex();
    if (position < 0 || position >= int(PitchTable.size())) {
        return;
    }
    const std::uint32_t word = PitchTable[size_t(position)];
    editor_.comm().SendHexMessage(WriteToDspMessage(params.FirstHarmonicPitch.address, word),
                                  false);
    params.FirstHarmonicPitch.value = word;
}
