// The "Request" button: the pedal's versions and settings.
#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Editor.h"
#include "app/ScopeExit.h"
#include "app/TformMain.h"
#include "device/Communication.h"
#include "device/DeviceInfo.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int RequestPauseMs = 200;
}

bool TformMain::RequestDeviceInfo() {
    Communication& comm = editor_.comm();
    DiagnosticLog& log = editor_.log();
    Dialogs& dialogs = editor_.dialogs();
    comm.SendHexMessage(QStringLiteral("0200"), true);
    editor_.pacer().sleepMs(RequestPauseMs);
    const ValueAnswer answer = comm.ReadDeviceValues(DeviceInfo::AnswerValues);
    if (answer.outcome == WaitOutcome::TimedOut) {
        dialogs.showMessage(QStringLiteral("The pedal did not answer."));
        return false;
    }
    if (answer.outcome == WaitOutcome::DeviceError) {
        return false;
    }
    if (answer.values < DeviceInfo::AnswerValues) {
        dialogs.showMessage(
            QStringLiteral("Incomplete answer from the pedal: %1 values received, %2 expected.")
                .arg(answer.values)
                .arg(DeviceInfo::AnswerValues));
        return false;
    }
    const DeviceInfo info = DeviceInfo::fromValues(comm.received_bytes_array);
    editor_.deviceInfo() = info;
    const QString firmwareLine = QStringLiteral("Firmware Version: ") + info.FirmwareVersionText;
    lblFirmwareVersion->setText(firmwareLine);
    log.ConsoleLog(firmwareLine);
    if (needsFeatureUpgrade(info.firmwareVersion())) {
        dialogs.showMessage(featureUpgradeMessage());
    }
    log.ConsoleLog(QStringLiteral("Algorithm version: ") + info.AlgorithmVersionText);
    log.ConsoleLog(QStringLiteral("Effect Number: ") + info.EffectNumberText);
    editor_.readBackSettings();
    return true;
}

void TformMain::btnRequestClick() {
    if (editor_.refuseWhileWaiting()) {
        return;
    }
    SessionState& state = editor_.state();
    state.ReadbackInProgress = true;
    const ScopeExit clearReadback([&state] { state.ReadbackInProgress = false; });
    if (!RequestDeviceInfo()) {
        return;
    }
    const DeviceInfo& info = editor_.deviceInfo();
    if (info.firmwareVersion() != state.LatestFirmwareVersion) {
        editor_.dialogs().showMessage(latestUpgradeMessage(state.LatestFirmwareVersion));
    }
    if (info.algorithmVersion() != state.ListAlgorithmVersion) {
        editor_.log().ConsoleLog(algorithmUploadHint(state.ListAlgorithmVersion));
    }
    setSettingsCommandsEnabled(true);
}
