#include "device/DeviceInfoRequest.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Pacer.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"

RequestResult
DeviceInfoRequest::RequestDeviceInfo(ReadPacing pacing,
                                     const std::function<void(const QString&)>& showFirmware) {
    Communication& comm = link_.comm();
    DiagnosticLog& log = link_.log();
    Dialogs& dialogs = link_.dialogs();
    // An earlier answer nobody read must not be taken for this one.
    link_.unit().PurgeReceive();
    comm.SendHexMessage(PedalMessages::DeviceInfoRequest(), true);
    link_.pacer().sleepMs(PauseMs);
    const ValueAnswer answer = comm.ReadDeviceValues(pacing, DeviceInfo::AnswerValues);
    RequestResult result;
    if (answer.outcome == WaitOutcome::TimedOut) {
        dialogs.showMessage(QStringLiteral("The pedal did not answer."));
        result.outcome = RequestOutcome::NoAnswer;
        return result;
    }
    if (answer.outcome == WaitOutcome::DeviceError) {
        result.outcome = RequestOutcome::DeviceError;
        return result;
    }
    if (answer.values < DeviceInfo::AnswerValues) {
        dialogs.showMessage(
            QStringLiteral("Incomplete answer from the pedal: %1 values received, %2 expected.")
                .arg(answer.values)
                .arg(DeviceInfo::AnswerValues));
        result.outcome = RequestOutcome::Incomplete;
        return result;
    }
    const DeviceInfo info = DeviceInfo::fromValues(comm.received_bytes_array);
    link_.deviceInfo() = info;
    const QString firmwareLine = QStringLiteral("Firmware Version: ") + info.FirmwareVersionText;
    showFirmware(firmwareLine);
    log.ConsoleLog(firmwareLine);
    if (needsFeatureUpgrade(info.firmwareVersion())) {
        dialogs.showMessage(featureUpgradeMessage());
    }
    log.ConsoleLog(QStringLiteral("Algorithm version: ") + info.AlgorithmVersionText);
    log.ConsoleLog(QStringLiteral("Effect Number: ") + info.EffectNumberText);
    emit link_.settingsAnswered(comm.received_bytes_array);
    result.outcome = RequestOutcome::Read;
    return result;
}

void DeviceInfoRequest::checkVersions(int latestFirmware, int listedAlgorithm) {
    const DeviceInfo& info = link_.deviceInfo();
    if (info.firmwareVersion() != latestFirmware) {
        link_.dialogs().showMessage(latestUpgradeMessage(latestFirmware));
    }
    if (info.algorithmVersion() != listedAlgorithm) {
        link_.log().ConsoleLog(algorithmUploadHint(listedAlgorithm));
    }
}
