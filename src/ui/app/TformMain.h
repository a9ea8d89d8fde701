#pragma once

#include "device/Communication.h"

#include <QMainWindow>
#include <QString>

class AlgorithmUpload;
class Connection;
class ControlAssignments;
class DeviceInfoRequest;
class ErrorReport;
class Folders;
class MidiChannel;
class PedalLink;
class Presets;
class Resources;
struct SessionState;
class SettingsStore;
class TuningDataUpload;
class TuningSelection;
class Updates;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTimer;

// What the main window works with: the link, the state it shares, and the
// device operations its commands run.
struct MainWindowParts {
    PedalLink& link;
    SessionState& state;
    Resources& resources;
    const Folders& folders;
    const ErrorReport& report;
    Connection& connection;
    DeviceInfoRequest& deviceInfoRequest;
    AlgorithmUpload& upload;
    TuningSelection& tuning;
    ControlAssignments& assignments;
    SettingsStore& store;
    Presets& presets;
    MidiChannel& midi;
    TuningDataUpload& tuningData;
    Updates& updates;
};

// The main window: every command that talks to the pedal, the menus, the
// effect list and the table of which commands are available when. Its
// handlers ask, run one device operation and show the result.
class TformMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TformMain(const MainWindowParts& parts);

    // Elements, by their design names.
    QLabel* lblDeviceName = nullptr;
    QLabel* lblFirmwareVersion = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* btnUpload = nullptr;
    QPushButton* btnRequest = nullptr;
    QPushButton* btnSaveParameters = nullptr;
    QPushButton* btnAssign = nullptr;
    QPushButton* btnSetFootswitchMode = nullptr;
    QPushButton* btnSetTuning = nullptr;
    QListWidget* lstEffects = nullptr;

    QMenu* menuFile = nullptr;
    QAction* menuLoadPreset = nullptr;
    QAction* menuSavePreset = nullptr;
    QMenu* menuConnection = nullptr;
    QAction* menuScan = nullptr;
    QAction* menuConnect = nullptr;
    QAction* menuDisconnect = nullptr;
    QMenu* menuSettings = nullptr;
    QMenu* menuLook = nullptr;
    // The Look menu's items "0" to "6", in order.
    QList<QAction*> LookMenuItems;
    QMenu* menuMIDI = nullptr;
    QMenu* menuMIDIchannel = nullptr;
    QAction* menuUploadTuningsData = nullptr;
    QMenu* menuFirmware = nullptr;
    QAction* menuFirmwareUpgradeMode = nullptr;
    QAction* menuStartFirmwareUpgrade = nullptr;
    QMenu* menuInfo = nullptr;
    QAction* menuSupport = nullptr;
    QAction* menuAppVersion = nullptr;
    QAction* menuNewAppVersion = nullptr;
    QAction* menuUpdateNow = nullptr;
    QAction* menuShowUpdateMsg = nullptr;
    QAction* menuSerialNumber = nullptr;

    // The upload's watchdog.
    QTimer* UploadCheckTimer = nullptr;
    QTimer* TimerCheckWebVersion = nullptr;

    // Handlers.
    void menuScanClick();
    void ConnectOnClick();
    void menuDisconnectClick();
    void btnRequestClick();
    void menuFirmwareUpgradeModeClick();
    void menuStartFirmwareUpgradeClick();
    // After a completed firmware upgrade the pedal runs its new firmware.
    void firmwareUpgradeCompleted();
    void effetto_cliccato();
    void btnUploadClick();
    void UploadCheckTimerTimer();
    void btnSetTuningClick();
    void btnAssignClick();
    void btnSetFootswitchModeClick();
    void btnSaveParametersClick();
    void menuSavePresetClick();
    void menuLoadPresetClick();
    void menuMIDIchannelsClickItem(QAction* item);
    void menuUploadTuningsDataClick();
    void checkmostrecentversiononwebsite();
    void menuInfoClick();
    void menuSupportClick();
    void menuUpdateNowClick();
    void menuShowUpdateMsgClick();

    void FillEffectList();

signals:
    // Ctrl+Shift+P.
    void consoleRequested();
    void firmwareUpgradeRequested();
    // An effect was clicked; the settings window opens against this frame's
    // right edge.
    void effectClicked(const QRect& mainFrame);
    // A preset was loaded (or its loading ended): the settings window shows
    // the values.
    void presetLoaded();
    // A newer editor was found and the user wants to be told.
    void newVersionNoticeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the main window ends the program, whatever else is open.
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindowParts parts_;

    void buildLayout();
    void buildMenus();
    void FormCreate();
    void EnsureFolders();
    void setSettingsCommandsEnabled(bool enabled);
    void BuildMidiChannelMenu();
    void BuildLookMenu();
    void LoadSavedStyle();
    void menuLookClickItem(QAction* sender);
    void connectUpdateCommands();
    // Reads the notice flag, starts the version check's timer and shows the
    // editor's own version.
    void PrepareUpdates();
    void newerVersionFound(const QString& version);
    void noNewerVersion();
    void ProbeDevices();
    // The pace of answer reads: none while the bootloader answers.
    ReadPacing readPacing() const;
    // Arrow keys in the effect list log and move the selection; the list's
    // own key handling still runs.
    void move_up_or_down(int key);
};
