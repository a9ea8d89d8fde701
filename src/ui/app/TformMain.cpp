#include "app/TformMain.h"

#include "app/Dialogs.h"
#include "app/EffectNames.h"
#include "app/ErrorReport.h"
#include "app/Folders.h"
#include "app/Resources.h"
#include "app/SessionState.h"
#include "device/AlgorithmUpload.h"
#include "device/Connection.h"
#include "device/PedalLink.h"
#include "firmware/FirmwareVersions.h"
#include "widgets/DesignFont.h"
#include "widgets/WrappingButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>

namespace {

constexpr int MenuBarHeight = 24;
constexpr int CheckWebVersionDelayMs = 1000;

// Places a child at its design position, given in the client area that
// includes the menu bar.
template <typename W> W* place(QWidget* parent, W* w, int x, int y, int width, int height) {
    w->setParent(parent);
    w->setGeometry(x, y - MenuBarHeight, width, height);
    return w;
}

} // namespace

TformMain::TformMain(const MainWindowParts& parts) : parts_(parts) {
    setWindowTitle(QStringLiteral("Tarnwick Editor"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildMenus();
    buildLayout();
    setFixedSize(354, 217);

    UploadCheckTimer = &parts_.upload.watchdog();
    connect(UploadCheckTimer, &QTimer::timeout, this, &TformMain::UploadCheckTimerTimer);
    connect(&parts_.upload, &AlgorithmUpload::statusChanged, lblStatus, &QLabel::setText);
    TimerCheckWebVersion = new QTimer(this);
    TimerCheckWebVersion->setInterval(CheckWebVersionDelayMs);
    TimerCheckWebVersion->setSingleShot(true);
    connectUpdateCommands();

    // The console's key is seen before any child of this window handles it.
    QCoreApplication::instance()->installEventFilter(this);

    parts_.report.guarded(this, &TformMain::FormCreate)();
}

void TformMain::buildLayout() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    const QFont font11 = designFont(11);
    const QFont font105 = designFont(10.5);

    lblDeviceName = place(client, new QLabel(QStringLiteral("No device found")), 9, 32, 174, 17);
    lblFirmwareVersion =
        place(client, new QLabel(QStringLiteral("Device Firmware Version: ")), 9, 48, 174, 20);
    lblStatus = place(client, new QLabel(QStringLiteral("Status: ")), 9, 68, 174, 17);
    btnUpload = place(client, new WrappingButton(QStringLiteral("Upload Selected")), 9, 87, 80, 33);
    btnRequest = place(client, new QPushButton(QStringLiteral("Request")), 97, 87, 86, 33);
    btnSaveParameters =
        place(client, new WrappingButton(QStringLiteral("Save Parameters")), 8, 128, 81, 33);
    btnAssign = place(client, new QPushButton(QStringLiteral("Assign")), 97, 128, 86, 33);
    btnSetFootswitchMode =
        place(client, new WrappingButton(QStringLiteral("Set Footswitch Mode")), 9, 169, 80, 31);
    btnSetTuning = place(client, new QPushButton(QStringLiteral("Set Tuning")), 97, 169, 86, 31);
    lstEffects = place(client, new QListWidget, 191, 32, 154, 168);

    for (QWidget* w :
         std::initializer_list<QWidget*>{lblDeviceName, lblFirmwareVersion, lblStatus, btnUpload,
                                         btnRequest, btnSaveParameters, btnAssign, lstEffects}) {
        w->setFont(font11);
    }
    btnSetFootswitchMode->setFont(font105);
    btnSetTuning->setFont(font105);

    connect(btnRequest, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnRequestClick));
    connect(btnUpload, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnUploadClick));
    connect(lstEffects, &QListWidget::itemClicked, this,
            parts_.report.guarded(this, &TformMain::effetto_cliccato));
    connect(btnSetTuning, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnSetTuningClick));
    connect(btnAssign, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnAssignClick));
    connect(btnSetFootswitchMode, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnSetFootswitchModeClick));
    connect(btnSaveParameters, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformMain::btnSaveParametersClick));
}

void TformMain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFixedHeight(MenuBarHeight);

    menuFile = bar->addMenu(QStringLiteral("File"));
    menuLoadPreset = menuFile->addAction(QStringLiteral("Load Preset"));
    menuSavePreset = menuFile->addAction(QStringLiteral("Save Preset"));
    connect(menuLoadPreset, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuLoadPresetClick));
    connect(menuSavePreset, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuSavePresetClick));

    menuConnection = bar->addMenu(QStringLiteral("Connection"));
    menuScan = menuConnection->addAction(QStringLiteral("Scan"));
    menuConnect = menuConnection->addAction(QStringLiteral("Connect"));
    menuDisconnect = menuConnection->addAction(QStringLiteral("Disconnect"));
    menuDisconnect->setEnabled(false);
    connect(menuScan, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuScanClick));
    connect(menuConnect, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::ConnectOnClick));
    connect(menuDisconnect, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuDisconnectClick));

    menuSettings = bar->addMenu(QStringLiteral("Settings"));
    menuLook = menuSettings->addMenu(QStringLiteral("Look"));
    menuMIDI = menuSettings->addMenu(QStringLiteral("MIDI"));
    menuMIDIchannel = menuMIDI->addMenu(QStringLiteral("Channel"));
    menuUploadTuningsData = menuSettings->addAction(QStringLiteral("Upload Tuning Data"));
    connect(menuUploadTuningsData, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuUploadTuningsDataClick));

    menuFirmware = bar->addMenu(QStringLiteral("Firmware Upgrade"));
    menuFirmwareUpgradeMode = menuFirmware->addAction(QStringLiteral("Upgrade Mode"));
    menuFirmwareUpgradeMode->setCheckable(true);
    menuStartFirmwareUpgrade = menuFirmware->addAction(QStringLiteral("Start Firmware Upgrade"));
    menuStartFirmwareUpgrade->setEnabled(false);
    connect(menuFirmwareUpgradeMode, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuFirmwareUpgradeModeClick));
    connect(menuStartFirmwareUpgrade, &QAction::triggered, this,
            parts_.report.guarded(this, &TformMain::menuStartFirmwareUpgradeClick));

    menuInfo = bar->addMenu(QStringLiteral("Info"));
    menuSupport = menuInfo->addAction(QStringLiteral("Support"));
    menuAppVersion = menuInfo->addAction(QStringLiteral("Editor Version: "));
    menuAppVersion->setEnabled(false);
    menuNewAppVersion = menuInfo->addAction(QStringLiteral("New version available:"));
    menuNewAppVersion->setEnabled(false);
    menuUpdateNow = menuInfo->addAction(QStringLiteral("Update Now"));
    menuUpdateNow->setEnabled(false);
    menuShowUpdateMsg = menuInfo->addAction(QStringLiteral("Show Update Message"));
    menuShowUpdateMsg->setCheckable(true);
    menuSerialNumber = menuInfo->addAction(QStringLiteral("Device Serial: "));
    menuSerialNumber->setEnabled(false);
}

void TformMain::FormCreate() {
    ProbeDevices();
    parts_.connection.InitSerialSettings();
    parts_.state.FirmwareUpgradeMode = false;
    for (QPushButton* b : {btnRequest, btnAssign, btnSaveParameters, btnUpload,
                           btnSetFootswitchMode, btnSetTuning}) {
        b->setEnabled(false);
    }
    menuMIDI->menuAction()->setEnabled(false);
    menuUploadTuningsData->setEnabled(false);
    lstEffects->clear();
    parts_.resources.read_file_from_stream(QStringLiteral("octave"));
    FillEffectList();
    EnsureFolders();
    PrepareUpdates();
    BuildLookMenu();
    LoadSavedStyle();
    BuildMidiChannelMenu();
    if (lstEffects->count() > 0) {
        parts_.state.ListAlgorithmVersion = effectAlgorithmVersion(lstEffects->item(0)->text());
    }
    parts_.state.LatestFirmwareVersion = FirmwareVersionList.back();
}

void TformMain::EnsureFolders() {
    const Folders& folders = parts_.folders;
    Dialogs& dialogs = parts_.link.dialogs();
    QString error;
    if (!Folders::ensure(folders.maker(), &error)) {
        dialogs.showMessage(QStringLiteral("Error creating folder: ") + error);
    }
    if (!Folders::ensure(folders.product(), &error)) {
        dialogs.showMessage(QStringLiteral("Error creating subfolder: ") + error);
    }
}

void TformMain::setSettingsCommandsEnabled(bool enabled) {
    for (QPushButton* b : {btnAssign, btnSaveParameters, btnSetFootswitchMode, btnSetTuning}) {
        b->setEnabled(enabled);
    }
    menuMIDI->menuAction()->setEnabled(enabled);
    menuUploadTuningsData->setEnabled(enabled);
}

void TformMain::menuFirmwareUpgradeModeClick() {
    // The check mark follows the flag, whether or not the menu toggled it.
    const bool on = !parts_.state.FirmwareUpgradeMode;
    menuFirmwareUpgradeMode->setChecked(on);
    parts_.state.FirmwareUpgradeMode = on;
}

ReadPacing TformMain::readPacing() const {
    return parts_.state.FirmwareUpgradeMode ? ReadPacing::None : ReadPacing::TenMsSteps;
}

bool TformMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == lstEffects) {
            move_up_or_down(key->key());
        }
        // Ctrl+Shift+P opens the console whatever else is held with them;
        // the key goes no further.
        const Qt::KeyboardModifiers held = key->modifiers();
        if (key->key() == Qt::Key_P && held.testFlag(Qt::ControlModifier) &&
            held.testFlag(Qt::ShiftModifier)) {
            emit consoleRequested();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TformMain::menuStartFirmwareUpgradeClick() {
    emit firmwareUpgradeRequested();
}

void TformMain::firmwareUpgradeCompleted() {
    // "Upgrade Mode" stays disabled: one upgrade per run.
    menuFirmwareUpgradeMode->setChecked(false);
    parts_.state.FirmwareUpgradeMode = false;
    btnRequest->setEnabled(true);
    btnUpload->setEnabled(true);
}
