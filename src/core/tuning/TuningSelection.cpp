#include "tuning/TuningSelection.h"

#include "app/DiagnosticLog.h"
#include "app/EditorError.h"
#include "app/Pacer.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"
#include "fx/EffectSettings.h"

void TuningSelection::setTuning(int position) {
    settings_.CurrentTuning = static_cast<std::uint8_t>(position);
}

void TuningSelection::setSemitones(const QString& entry) {
    bool ok = false;
    const int offset = entry.toInt(&ok, 10);
    if (!ok) {
        throw ConversionError::integer(entry);
    }
    settings_.SemitonesVariation = static_cast<std::int8_t>(offset);
}

QString TuningSelection::BuildTuningMessage() {
    const QString message =
        PedalMessages::TuningMessage(settings_.CurrentTuning, settings_.SemitonesVariation);
    link_.log().ConsoleLog(QStringLiteral("Tuning Message: ") + message);
    return message;
}

void TuningSelection::send(const QString& message) {
    link_.comm().SendHexMessage(message, true);
    link_.pacer().sleepMs(PauseMs);
}
