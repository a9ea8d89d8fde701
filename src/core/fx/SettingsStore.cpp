#include "fx/SettingsStore.h"

#include "app/DiagnosticLog.h"
#include "app/Pacer.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"
#include "fx/Parameters.h"

QString SettingsStore::BuildStoreSettingsMessage() {
    const QString message = PedalMessages::StoreSettingsMessage(
        {params_.InputLevel.value, params_.FirstHarmonicPitch.value, params_.WaveClip.value,
         params_.DominantNoteCut.value, params_.HighNotesCut.value});
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QStringLiteral("Store settings message (HEX): ") + message);
    log.ConsoleLog(QString::number(message.size() / 2));
    return message;
}

void SettingsStore::send(const QString& message) {
    link_.comm().SendHexMessage(message, true);
    link_.pacer().sleepMs(PauseMs);
}
