#include "app/TformMain.h"

#include "widgets/DesignFont.h"
#include "app/Dialogs.h"
#include "app/Editor.h"
#include "app/EffectNames.h"
#include "app/Folders.h"
#include "widgets/WrappingButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr int MenuBarHeight = 24;
constexpr int UploadCheckIntervalMs = 5000;
constexpr int CheckWebVersionDelayMs = 1000;

// Places a child at its design position, given in the client area that
// includes the menu bar.
template <typename W> W* place(QWidget* parent, W* w, int x, int y, int width, int height) {
    w->setParent(parent);
    w->setGeometry(x, y - MenuBarHeight, width, height);
    return w;
}

} // namespace

TformMain::TformMain(Editor& editor) : editor_(editor) {
    setWindowTitle(QStringLiteral("Tarnwick Editor"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildMenus();
    buildLayout();
    setFixedSize(354, 217);

    UploadCheckTimer = new QTimer(this);
    UploadCheckTimer->setInterval(UploadCheckIntervalMs);
    connect(UploadCheckTimer, &QTimer::timeout, this, &TformMain::UploadCheckTimerTimer);
    TimerCheckWebVersion = new QTimer(this);
    TimerCheckWebVersion->setInterval(CheckWebVersionDelayMs);
    TimerCheckWebVersion->setSingleShot(true);

    // The console opens with Ctrl+Shift+P, Alt or not, whichever child has
    // the focus; the key goes no further.
    for (const auto* keys : {"Ctrl+Shift+P", "Ctrl+Shift+Alt+P"}) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        connect(shortcut, &QShortcut::activated, this, [this] { editor_.showConsole(); });
    }

    editor_.report().guarded(this, &TformMain::FormCreate)();
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
            editor_.report().guarded(this, &TformMain::btnRequestClick));
    connect(btnUpload, &QPushButton::clicked, this,
            editor_.report().guarded(this, &TformMain::btnUploadClick));
    connect(lstEffects, &QListWidget::itemClicked, this,
            editor_.report().guarded(this, &TformMain::effetto_cliccato));
    lstEffects->installEventFilter(this);
}

void TformMain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFixedHeight(MenuBarHeight);

    menuFile = bar->addMenu(QStringLiteral("File"));
    menuLoadPreset = menuFile->addAction(QStringLiteral("Load Preset"));
    menuSavePreset = menuFile->addAction(QStringLiteral("Save Preset"));

    menuConnection = bar->addMenu(QStringLiteral("Connection"));
    menuScan = menuConnection->addAction(QStringLiteral("Scan"));
    menuConnect = menuConnection->addAction(QStringLiteral("Connect"));
    menuDisconnect = menuConnection->addAction(QStringLiteral("Disconnect"));
    menuDisconnect->setEnabled(false);
    connect(menuScan, &QAction::triggered, this,
            editor_.report().guarded(this, &TformMain::menuScanClick));
    connect(menuConnect, &QAction::triggered, this,
            editor_.report().guarded(this, &TformMain::ConnectOnClick));
    connect(menuDisconnect, &QAction::triggered, this,
            editor_.report().guarded(this, &TformMain::menuDisconnectClick));

    menuSettings = bar->addMenu(QStringLiteral("Settings"));
    menuLook = menuSettings->addMenu(QStringLiteral("Look"));
    menuMIDI = menuSettings->addMenu(QStringLiteral("MIDI"));
    menuMIDIchannel = menuMIDI->addMenu(QStringLiteral("Channel"));
    menuUploadTuningsData = menuSettings->addAction(QStringLiteral("Upload Tuning Data"));

    menuFirmware = bar->addMenu(QStringLiteral("Firmware Upgrade"));
    menuFirmwareUpgradeMode = menuFirmware->addAction(QStringLiteral("Upgrade Mode"));
    menuFirmwareUpgradeMode->setCheckable(true);
    menuStartFirmwareUpgrade = menuFirmware->addAction(QStringLiteral("Start Firmware Upgrade"));
    menuStartFirmwareUpgrade->setEnabled(false);
    connect(menuFirmwareUpgradeMode, &QAction::triggered, this,
            editor_.report().guarded(this, &TformMain::menuFirmwareUpgradeModeClick));
    connect(menuStartFirmwareUpgrade, &QAction::triggered, this,
            editor_.report().guarded(this, &TformMain::menuStartFirmwareUpgradeClick));

    menuInfo = bar->addMenu(QStringLiteral("Info"));
    menuSupport = menuInfo->addAction(QStringLiteral("Support"));
    menuEditorVersion = menuInfo->addAction(QStringLiteral("Editor Version: "));
    menuEditorVersion->setEnabled(false);
    menuNewVersionAvailable = menuInfo->addAction(QStringLiteral("New version available:"));
    menuNewVersionAvailable->setEnabled(false);
    menuUpdateNow = menuInfo->addAction(QStringLiteral("Update Now"));
    menuUpdateNow->setEnabled(false);
    menuShowUpdateMessage = menuInfo->addAction(QStringLiteral("Show Update Message"));
    menuShowUpdateMessage->setCheckable(true);
    menuSerialNumber = menuInfo->addAction(QStringLiteral("Device Serial: "));
    menuSerialNumber->setEnabled(false);
}

void TformMain::FormCreate() {
    ProbeDevices();
    InitSerialSettings();
    editor_.state().FirmwareUpgradeMode = false;
    for (QPushButton* b : {btnRequest, btnAssign, btnSaveParameters, btnUpload,
                           btnSetFootswitchMode, btnSetTuning}) {
        b->setEnabled(false);
    }
    menuMIDI->menuAction()->setEnabled(false);
    menuUploadTuningsData->setEnabled(false);
    lstEffects->clear();
    editor_.resources().read_file_from_stream(QStringLiteral("octave"));
    FillEffectList();
    EnsureFolders();
    if (lstEffects->count() > 0) {
        editor_.state().ListAlgorithmVersion = effectAlgorithmVersion(lstEffects->item(0)->text());
    }
    editor_.state().LatestFirmwareVersion = editor_.latestFirmwareVersion();
}

void TformMain::EnsureFolders() {
    const Folders& folders = editor_.folders();
    QString error;
    if (!Folders::ensure(folders.maker(), &error)) {
        editor_.dialogs().showMessage(QStringLiteral("Error creating folder: ") + error);
    }
    if (!Folders::ensure(folders.product(), &error)) {
        editor_.dialogs().showMessage(QStringLiteral("Error creating subfolder: ") + error);
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
    const bool on = !editor_.state().FirmwareUpgradeMode;
    menuFirmwareUpgradeMode->setChecked(on);
    editor_.state().FirmwareUpgradeMode = on;
}

void TformMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TformMain::menuStartFirmwareUpgradeClick() {
    editor_.showFirmwareUpgrade();
}
