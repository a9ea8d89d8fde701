#pragma once

#include "app/DiagnosticLog.h"
#include "app/ErrorReport.h"
#include "app/Folders.h"
#include "app/Pacer.h"
#include "app/Resources.h"
#include "app/SessionState.h"
#include "console/DeviceTools.h"
#include "console/FilterTool.h"
#include "device/AlgorithmUpload.h"
#include "device/Communication.h"
#include "device/Connection.h"
#include "device/DeviceBackend.h"
#include "device/DeviceInfoRequest.h"
#include "device/PedalLink.h"
#include "firmware/FirmwareUpgrade.h"
#include "fx/ControlAssignments.h"
#include "fx/EffectSettings.h"
#include "fx/LiveParameters.h"
#include "fx/Parameters.h"
#include "fx/Presets.h"
#include "fx/SettingsReadback.h"
#include "fx/SettingsStore.h"
#include "tuning/MidiChannel.h"
#include "tuning/TuningDataUpload.h"
#include "tuning/TuningSelection.h"
#include "update/Updates.h"

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
    // Makes the simulated pedal when the back end asks for it.
    SimulatedPedalFactory simulatedPedal;
    // Tests hand in their own pedal, boxes, shell, pauses and folders.
    std::unique_ptr<D2xxApi> api;
    Dialogs* dialogs = nullptr;
    SystemShell* shell = nullptr;
    Pacer* pacer = nullptr;
    double pacing = 1.0;
    QString documentsFolder;
    // Empty: the running program's file and the user's temporary folder.
    QString programFile;
    QString temporaryFolder;
    int answerTimeoutMs = Communication::AnswerTimeoutMs;
    // How long the maker's server may stay silent, and authorities trusted
    // besides the system's.
    int webTimeLimitMs = WebClient::TimeLimitMs;
    QList<QSslCertificate> trustedCertificates;
};

// The composition root: owns the device link and its operations, the log,
// the seams, the shared state and models, and the six windows, created in
// their order with the main window first. It hands each window the narrow
// parts it works with and connects the windows' signals.
class Editor {
public:
    explicit Editor(EditorOptions options);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Why no device back end could be had; empty when one answers.
    QString backendError() const { return backendError_; }

    TformMain& main() { return *main_; }
    TformFirmwareUpgrade& firmwareUpgrade() { return *firmwareUpgrade_; }
    TformPrint& console() { return *console_; }
    TformFXsettings& fxSettings() { return *fxSettings_; }
    TformNewVersionMsg& newVersionMsg() { return *newVersionMsg_; }
    TformUpdateUpdater& updateUpdater() { return *updateUpdater_; }

    PedalLink& link() { return *link_; }
    AlgorithmUpload& upload() { return *upload_; }
    FirmwareUpgrade& firmware() { return *firmware_; }
    SessionState& state() { return state_; }
    DiagnosticLog& log() { return log_; }
    ParameterSet& parameters() { return parameters_; }
    EffectSettings& effectSettings() { return effectSettings_; }
    Resources& resources() { return resources_; }
    const ErrorReport& report() const { return report_; }
    Updates& updates() { return *updates_; }

    // Opens the debug console where it is (its design position at first), or
    // inside the screen where that does not fit.
    void showConsole();

private:
    std::unique_ptr<D2xxApi> api_;
    QString backendError_;
    std::unique_ptr<QtDialogs> ownDialogs_;
    std::unique_ptr<SystemShell> ownShell_;
    std::unique_ptr<Pacer> ownPacer_;
    Dialogs* dialogs_;
    SystemShell* shell_;
    Pacer* pacer_;
    DiagnosticLog log_;
    SessionState state_;
    Folders folders_;
    ErrorReport report_;
    Resources resources_;
    ParameterSet parameters_;
    EffectSettings effectSettings_;
    std::unique_ptr<PedalLink> link_;
    std::unique_ptr<FirmwareUpgrade> firmware_;
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<DeviceInfoRequest> deviceInfoRequest_;
    std::unique_ptr<AlgorithmUpload> upload_;
    std::unique_ptr<LiveParameters> live_;
    std::unique_ptr<TuningSelection> tuning_;
    std::unique_ptr<ControlAssignments> assignments_;
    std::unique_ptr<SettingsReadback> readback_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Presets> presets_;
    std::unique_ptr<MidiChannel> midi_;
    std::unique_ptr<TuningDataUpload> tuningData_;
    std::unique_ptr<DeviceTools> deviceTools_;
    std::unique_ptr<FilterTool> filterTool_;
    std::unique_ptr<Updates> updates_;

    std::unique_ptr<TformMain> main_;
    std::unique_ptr<TformFirmwareUpgrade> firmwareUpgrade_;
    std::unique_ptr<TformPrint> console_;
    std::unique_ptr<TformFXsettings> fxSettings_;
    std::unique_ptr<TformNewVersionMsg> newVersionMsg_;
    std::unique_ptr<TformUpdateUpdater> updateUpdater_;

    void connectWindows();
};
