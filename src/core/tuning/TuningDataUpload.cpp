#include "tuning/TuningDataUpload.h"

#include "app/DiagnosticLog.h"
#include "app/Pacer.h"
#include "device/AlgorithmUpload.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"
#include "tuning/Tunings.h"

void TuningDataUpload::BuildTuningData() {
    TuningDataText = Tunings::TuningDataText();
    link_.log().ConsoleLog(QStringLiteral("tuning data: ") + TuningDataText);
}

void TuningDataUpload::upload() {
    algorithmUpload_.SendUploadPrefix();
    link_.pacer().sleepMs(PrefixPauseMs);
    const QString message = PedalMessages::TuningTableMessage(TuningDataText);
    link_.log().ConsoleLog(QStringLiteral("num_of_bytes: %1").arg(message.size() / 2));
    link_.comm().SendHexMessage(message, true);
    link_.pacer().sleepMs(PauseMs);
}
