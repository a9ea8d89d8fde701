#include "app/Editor.h"

#include "app/DesktopShell.h"
#include "app/QtDialogs.h"
#include "app/TformMain.h"
#include "console/TformPrint.h"
#include "firmware/TformFirmwareUpgrade.h"
#include "fx/TformFXsettings.h"
#include "update/TformNewVersionMsg.h"
#include "update/TformUpdateUpdater.h"
#include "widgets/ScreenPlacement.h"

namespace {

DeviceBackend backendFor(EditorOptions& options) {
    if (options.api) {
        DeviceBackend b;
        b.api = std::move(options.api);
        return b;
    }
    return makeDeviceBackend(options.backend, options.simulatedPedal);
}

// Answers every call with "device not found" when no back end could be had,
// so the editor still starts and says why nothing is listed.
class NoDevice : public D2xxApi {
public:
    FT_STATUS FT_ListDevices(void* arg1, void*, DWORD flags) override {
        if (flags & ft::ListNumberOnly) {
            *static_cast<DWORD*>(arg1) = 0;
            return ft::Ok;
        }
        return ft::DeviceNotFound;
    }
    FT_STATUS FT_OpenEx(void*, DWORD, FT_HANDLE*) override { return ft::DeviceNotFound; }
    FT_STATUS FT_Close(FT_HANDLE) override { return ft::InvalidHandle; }
    FT_STATUS FT_SetBaudRate(FT_HANDLE, ULONG) override { return ft::InvalidHandle; }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE, UCHAR, UCHAR, UCHAR) override {
        return ft::InvalidHandle;
    }
    FT_STATUS FT_Purge(FT_HANDLE, ULONG) override { return ft::InvalidHandle; }
    FT_STATUS FT_GetQueueStatus(FT_HANDLE, DWORD*) override { return ft::InvalidHandle; }
    FT_STATUS FT_Read(FT_HANDLE, void*, DWORD, DWORD* returned) override {
        *returned = 0;
        return ft::InvalidHandle;
    }
    FT_STATUS FT_Write(FT_HANDLE, const void*, DWORD, DWORD* written) override {
        *written = 0;
        return ft::InvalidHandle;
    }
};

} // namespace

Editor::Editor(EditorOptions options)
    : ownDialogs_(options.dialogs ? nullptr : std::make_unique<QtDialogs>()),
      ownShell_(options.shell ? nullptr : std::make_unique<DesktopShell>()),
      ownPacer_(options.pacer ? nullptr : std::make_unique<Pacer>(options.pacing)),
      dialogs_(options.dialogs ? options.dialogs : ownDialogs_.get()),
      shell_(options.shell ? options.shell : ownShell_.get()),
      pacer_(options.pacer ? options.pacer : ownPacer_.get()),
      folders_(options.documentsFolder, options.programFile, options.temporaryFolder),
      report_(*dialogs_), resources_(*dialogs_) {
    DeviceBackend backend = backendFor(options);
    api_ = std::move(backend.api);
    backendError_ = backend.error;
    if (!api_) {
        api_ = std::make_unique<NoDevice>();
    }
    link_ = std::make_unique<PedalLink>(*api_, *dialogs_, log_, *pacer_);
    link_->comm().setAnswerTimeout(options.answerTimeoutMs);
    firmware_ = std::make_unique<FirmwareUpgrade>(*link_);
    connection_ = std::make_unique<Connection>(*link_, state_, *firmware_);
    deviceInfoRequest_ = std::make_unique<DeviceInfoRequest>(*link_);
    upload_ = std::make_unique<AlgorithmUpload>(*link_, resources_);
    live_ = std::make_unique<LiveParameters>(*link_);
    tuning_ = std::make_unique<TuningSelection>(*link_, effectSettings_);
    assignments_ = std::make_unique<ControlAssignments>(*link_, parameters_, effectSettings_);
    readback_ = std::make_unique<SettingsReadback>(log_, parameters_, effectSettings_);
    store_ = std::make_unique<SettingsStore>(*link_, parameters_);
    presets_ = std::make_unique<Presets>(*dialogs_, log_, folders_, parameters_);
    midi_ = std::make_unique<MidiChannel>(*link_);
    tuningData_ = std::make_unique<TuningDataUpload>(*link_, *upload_);
    deviceTools_ = std::make_unique<DeviceTools>(*link_);
    filterTool_ = std::make_unique<FilterTool>(log_);
    updates_ = std::make_unique<Updates>(folders_, *dialogs_, log_, *shell_, options.webTimeLimitMs,
                                         options.trustedCertificates);

    main_ = std::make_unique<TformMain>(MainWindowParts{
        *link_, state_, resources_, folders_, report_, *connection_, *deviceInfoRequest_, *upload_,
        *tuning_, *assignments_, *store_, *presets_, *midi_, *tuningData_, *updates_});
    if (ownDialogs_) {
        ownDialogs_->setParent(main_.get());
    }
    firmwareUpgrade_ =
        std::make_unique<TformFirmwareUpgrade>(FirmwareWindowParts{*link_, *firmware_, report_});
    console_ = std::make_unique<TformPrint>(
        ConsoleParts{log_, report_, *link_, *deviceTools_, *filterTool_});
    fxSettings_ = std::make_unique<TformFXsettings>(
        EffectWindowParts{*link_, *live_, *tuning_, *assignments_, *readback_, parameters_,
                          effectSettings_, state_, resources_, report_});
    newVersionMsg_ = std::make_unique<TformNewVersionMsg>(*updates_, report_);
    updateUpdater_ = std::make_unique<TformUpdateUpdater>();
    connectWindows();
    main_->show();
}

Editor::~Editor() = default;

void Editor::connectWindows() {
    TformMain* main = main_.get();
    TformFXsettings* fx = fxSettings_.get();
    QObject::connect(main, &TformMain::consoleRequested, main, [this] { showConsole(); });
    QObject::connect(main, &TformMain::firmwareUpgradeRequested, firmwareUpgrade_.get(),
                     &QWidget::show);
    QObject::connect(firmwareUpgrade_.get(), &TformFirmwareUpgrade::upgradeCompleted, main,
                     &TformMain::firmwareUpgradeCompleted);
    // Opening the settings window is part of the click: a missing image ends
    // it in the error report.
    QObject::connect(main, &TformMain::effectClicked, fx, [this, fx](const QRect& frame) {
        report_.run([fx, &frame] { fx->showForEffect(frame); });
    });
    QObject::connect(link_.get(), &PedalLink::connectionChanged, fx,
                     &TformFXsettings::SetEffectControlsEnabled);
    QObject::connect(link_.get(), &PedalLink::settingsAnswered, fx, &TformFXsettings::readBack);
    QObject::connect(main, &TformMain::presetLoaded, fx,
                     [this, fx] { report_.run([fx] { fx->ShowParameterValues(); }); });
    QObject::connect(main, &TformMain::newVersionNoticeRequested, newVersionMsg_.get(),
                     &QWidget::show);
    // After the hand-over the editor ends, as when its main window closes.
    QObject::connect(&updates_->handOver, &UpdaterHandOver::editorEnds, main, &QWidget::close);
}

void Editor::showConsole() {
    // The frame around the window is known once it is shown.
    console_->setVisible(true);
    keepOnScreen(*console_);
}
