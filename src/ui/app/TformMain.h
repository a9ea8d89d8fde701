#pragma once

#include <QMainWindow>
#include <QString>

class Editor;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTimer;

// The main window: every command that talks to the pedal, the menus, the
// effect list and the table of which commands are available when.
class TformMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TformMain(Editor& editor);

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
    QMenu* menuMIDI = nullptr;
    QMenu* menuMIDIchannel = nullptr;
    QAction* menuUploadTuningsData = nullptr;
    QMenu* menuFirmware = nullptr;
    QAction* menuFirmwareUpgradeMode = nullptr;
    QAction* menuStartFirmwareUpgrade = nullptr;
    QMenu* menuInfo = nullptr;
    QAction* menuSupport = nullptr;
    QAction* menuEditorVersion = nullptr;
    QAction* menuNewVersionAvailable = nullptr;
    QAction* menuUpdateNow = nullptr;
    QAction* menuShowUpdateMessage = nullptr;
    QAction* menuSerialNumber = nullptr;

    QTimer* UploadCheckTimer = nullptr;
    // How long the upload waits for the pedal's answer.
    int uploadAnswerLimitMs = 30000;
    QTimer* TimerCheckWebVersion = nullptr;

    // Handlers.
    void menuScanClick();
    void ConnectOnClick();
    bool ConnectDevice();
    void menuDisconnectClick();
    void btnRequestClick();
    void menuFirmwareUpgradeModeClick();
    void menuStartFirmwareUpgradeClick();
    void effetto_cliccato();
    void btnUploadClick();
    void UploadCheckTimerTimer();

    // Start-up steps owned by the device link.
    void ProbeDevices();
    void InitSerialSettings();
    // Reads the pedal's versions and settings; false when nothing was read.
    bool RequestDeviceInfo();
    void FillEffectList();
    // The two bytes that open an algorithm or tuning data upload.
    void SendUploadPrefix();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the main window ends the program, whatever else is open.
    void closeEvent(QCloseEvent* event) override;

private:
    Editor& editor_;

    void buildLayout();
    void buildMenus();
    void FormCreate();
    void EnsureFolders();
    void setSettingsCommandsEnabled(bool enabled);
    void ScanDevices();
    // Arrow keys in the effect list log and move the selection; the list's
    // own key handling still runs.
    void move_up_or_down(int key);
};
