// Live parameter control: each accepted change of a dial or of the pitch list
// goes to the pedal at once as one write to DSP message.
#include "app/Dialogs.h"
#include "app/SessionState.h"
#include "device/PedalLink.h"
#include "fx/DialConversion.h"
#include "fx/LiveParameters.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QComboBox>
#include <QSignalBlocker>

bool TformFXsettings::assignedLock(const assignable_parameter& parameter) {
    if (parameter.is_assigned && !parts_.state.ReadbackInProgress) {
        parts_.link.dialogs().showMessage(QStringLiteral(
            "This parameter is currently assigned and cannot be controlled from here"));
        return true;
    }
    return false;
}

bool TformFXsettings::refusedWhileWaiting(AngleDial* dial) {
    if (!parts_.link.refuseWhileWaiting()) {
        return false;
    }
    // The screen never shows a value that was not sent.
    const QSignalBlocker quiet(dial);
    dial->setAngle(sentAngles_.value(dial, AngleDial::StartAngle));
    return true;
}

std::uint32_t TformFXsettings::SendDialValue(AngleDial* dial, std::uint16_t address) {
    {
        // The snapped angle is the one sent below; its own change is not a
        // second message.
        const QSignalBlocker once(dial);
        dial->setAngle(SnapDialAngle(dial->angle()));
    }
    const std::uint32_t word = parts_.live.sendDialLevel(address, dial->angle());
    sentAngles_.insert(dial, dial->angle());
    return word;
}

void TformFXsettings::sendDial(AngleDial* dial, standard_parameter& parameter) {
    if (!refusedWhileWaiting(dial)) {
        parameter.value = SendDialValue(dial, parameter.address);
    }
}

void TformFXsettings::sendDial(AngleDial* dial, assignable_parameter& parameter) {
    if (!assignedLock(parameter) && !refusedWhileWaiting(dial)) {
        parameter.value = SendDialValue(dial, parameter.address);
    }
}

void TformFXsettings::dialDryChange() {
    sendDial(dialDry, params.Dry);
}

void TformFXsettings::dialMinus1OctChange() {
    sendDial(dialMinus1Oct, params.Minus1Oct);
}

void TformFXsettings::dialSubMixChange() {
    sendDial(dialSubMix, params.SubMix);
}

void TformFXsettings::dialMinus2OctChange() {
    sendDial(dialMinus2Oct, params.Minus2Oct);
}

void TformFXsettings::OnChange_dialInputLevel() {
    sendDial(dialInputLevel, params.InputLevel);
}

void TformFXsettings::dialClipWaveChange() {
    sendDial(dialClipWave, params.WaveClip);
}

void TformFXsettings::VariWavePitchOnChange() {
    const int position = cmbVariableWavePitch->currentIndex();
    if (position < 0 || position >= int(PitchTable.size()) ||
        assignedLock(params.FirstHarmonicPitch)) {
        return;
    }
    if (parts_.link.refuseWhileWaiting()) {
        const QSignalBlocker quiet(cmbVariableWavePitch);
        cmbVariableWavePitch->setCurrentIndex(sentPitchEntry_);
        return;
    }
    params.FirstHarmonicPitch.value =
        parts_.live.sendPitch(params.FirstHarmonicPitch.address, position);
    sentPitchEntry_ = position;
}
