#pragma once

#include "app/DiagnosticLog.h"
#include "app/ErrorReport.h"
#include "app/Folders.h"
#include "app/Pacer.h"
#include "app/Resources.h"
#include "app/SessionState.h"
#include "device/Communication.h"
#include "device/D2XXUnit.h"
#include "device/DeviceBackend.h"
#include "device/DeviceInfo.h"

#include <functional>
#include <memory>

class Dialogs;
class QtDialogs;
class SystemShell;
class TformFirmwareUpgrade;
class TformFXsettings;
class TformMain;
class TformNewVersionMsg;
class TformPrint;
class TformUpdateUpdater;

struct EditorOptions {
    BackendKind backend = BackendKind::Automatic;
    SimulatedPedalFactory simulatedPedal;
    // Tests hand in their own pedal, boxes, shell, pacing and folders.
    std::unique_ptr<D2xxApi> api;
    Dialogs* dialogs = nullptr;
    SystemShell* shell = nullptr;
    double pacing = 1.0;
    QString documentsFolder;
    int answerTimeoutMs = Communication::AnswerTimeoutMs;
};

// The composition root: owns the device link, the log, the seams, the state
// and the six windows, created in their order with the main window first.
class Editor {
public:
    explicit Editor(EditorOptions options);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Why no device back end could be had; empty when one answers.
    QString backendError() const { return backend_.error; }

    TformMain& main() { return *main_; }
    TformFirmwareUpgrade& firmwareUpgrade() { return *firmwareUpgrade_; }
    TformPrint& console() { return *console_; }
    TformFXsettings& fxSettings() { return *fxSettings_; }
    TformNewVersionMsg& newVersionMsg() { return *newVersionMsg_; }
    TformUpdateUpdater& updateUpdater() { return *updateUpdater_; }

    D2XXUnit& unit() { return *unit_; }
    Communication& comm() { return *comm_; }
    SessionState& state() { return state_; }
    DiagnosticLog& log() { return log_; }
    Dialogs& dialogs() { return *dialogs_; }
    SystemShell& shell() { return *shell_; }
    const Pacer& pacer() const { return pacer_; }
    const Folders& folders() const { return folders_; }
    const ErrorReport& report() const { return report_; }
    DeviceInfo& deviceInfo() { return deviceInfo_; }
    Resources& resources() { return resources_; }

    int latestFirmwareVersion() const;

    // While an answer is awaited no other command talks to the pedal: true,
    // with a short message, when the caller must not start.
    bool refuseWhileWaiting();

    void showConsole();
    void showFirmwareUpgrade();

    // The settings part of the device-information answer, read back into the
    // effect settings window.
    void readBackSettings();
    std::function<void()> settingsReadback;

private:
    DeviceBackend backend_;
    std::unique_ptr<QtDialogs> ownDialogs_;
    std::unique_ptr<SystemShell> ownShell_;
    Dialogs* dialogs_;
    SystemShell* shell_;
    Pacer pacer_;
    DiagnosticLog log_;
    SessionState state_;
    Folders folders_;
    ErrorReport report_;
    DeviceInfo deviceInfo_;
    Resources resources_;
    std::unique_ptr<D2XXUnit> unit_;
    std::unique_ptr<Communication> comm_;

    std::unique_ptr<TformMain> main_;
    std::unique_ptr<TformFirmwareUpgrade> firmwareUpgrade_;
    std::unique_ptr<TformPrint> console_;
    std::unique_ptr<TformFXsettings> fxSettings_;
    std::unique_ptr<TformNewVersionMsg> newVersionMsg_;
    std::unique_ptr<TformUpdateUpdater> updateUpdater_;
};
