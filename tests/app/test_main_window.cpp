#include "EditorFixture.h"
#include "MainWindowState.h"
#include "console/TformPrint.h"
#include "firmware/FirmwareVersions.h"
#include "firmware/TformFirmwareUpgrade.h"
#include "fx/TformFXsettings.h"
#include "update/TformNewVersionMsg.h"
#include "update/TformUpdateUpdater.h"
#include "widgets/AngleDial.h"
#include "widgets/ScreenPlacement.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startWithAPedal() {
        EditorFixture f;
        TformMain& w = f.main();
        QCOMPARE(w.lblDeviceName->text(), QStringLiteral("Tarnwick ZQ7"));
        QCOMPARE(w.menuSerialNumber->text(), QStringLiteral("Device Serial: TZ7A0001"));
        QCOMPARE(f.editor->state().DeviceSerialNumber, QByteArray("TZ7A0001"));
        QCOMPARE(f.editor->link().unit().Settings().baudRate, ULONG(115200));
        // The last of the firmware images the editor carries.
        QCOMPARE(FirmwareVersionList, (std::array<int, 3>{5, 6, 7}));
        QCOMPARE(f.editor->state().LatestFirmwareVersion, 7);
        QVERIFY(f.dialogs.messages.isEmpty());
        // Connect works at once, without a Scan.
        f.connect();
        QCOMPARE(w.lblDeviceName->text(), QStringLiteral("Tarnwick ZQ7 connected"));
    }

    void startWithoutAPedal() {
        EditorFixture f([](SimD2xx& sim) { sim.removeAllDevices(); });
        TformMain& w = f.main();
        QCOMPARE(w.lblDeviceName->text(), QStringLiteral("No device found"));
        QCOMPARE(w.menuSerialNumber->text(), QStringLiteral("Device Serial: "));
        QCOMPARE(commandStates(w), QStringLiteral("0000000011010"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void probeShowsOtherDescriptionsUnchangedAndTheLastDevice() {
        EditorFixture f([](SimD2xx& sim) { sim.addDevice("SECOND22", "Other bridge"); });
        QCOMPARE(f.main().lblDeviceName->text(), QStringLiteral("Other bridge"));
        QCOMPARE(f.main().menuSerialNumber->text(),
                 QStringLiteral("Device Serial: TZ7A0001SECOND22"));
        QCOMPARE(f.editor->state().DeviceSerialNumber, QByteArray("SECOND22"));
    }

    void sixWindowsInOrderOnlyTheMainOneVisible() {
        EditorFixture f;
        QCOMPARE(f.main().windowTitle(), QStringLiteral("Tarnwick Editor"));
        QVERIFY(f.main().isVisible());
        const QList<QPair<QWidget*, QString>> others = {
            {&f.editor->firmwareUpgrade(), "Firmware Upgrade"},
            {&f.editor->console(), "Debug Console"},
            {&f.editor->fxSettings(), "Form1"},
            {&f.editor->newVersionMsg(), "New Version"},
            {&f.editor->updateUpdater(), "UpdateUpdater"},
        };
        for (const auto& [window, caption] : others) {
            QCOMPARE(window->windowTitle(), caption);
            QVERIFY(!window->isVisible());
        }
        QCOMPARE(f.editor->console().size(), QSize(506, 652));
        QCOMPARE(f.editor->fxSettings().size(), QSize(333, 517));
        QCOMPARE(f.editor->firmwareUpgrade().size(), QSize(196, 141));
        QCOMPARE(f.editor->newVersionMsg().size(), QSize(268, 146));
    }

    void layoutAtDesignPositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("pixels");
        QTest::newRow("lblDeviceName")
            << "lblDeviceName" << QRect(9, 32, 174, 17) << "No device found" << 11.0;
        QTest::newRow("lblFirmwareVersion")
            << "lblFirmwareVersion" << QRect(9, 48, 174, 20) << "Device Firmware Version: " << 11.0;
        QTest::newRow("lblStatus") << "lblStatus" << QRect(9, 68, 174, 17) << "Status: " << 11.0;
        QTest::newRow("btnUpload")
            << "btnUpload" << QRect(9, 87, 80, 33) << "Upload Selected" << 11.0;
        QTest::newRow("btnRequest") << "btnRequest" << QRect(97, 87, 86, 33) << "Request" << 11.0;
        QTest::newRow("btnSaveParameters")
            << "btnSaveParameters" << QRect(8, 128, 81, 33) << "Save Parameters" << 11.0;
        QTest::newRow("btnAssign") << "btnAssign" << QRect(97, 128, 86, 33) << "Assign" << 11.0;
        QTest::newRow("btnSetFootswitchMode")
            << "btnSetFootswitchMode" << QRect(9, 169, 80, 31) << "Set Footswitch Mode" << 10.5;
        QTest::newRow("btnSetTuning")
            << "btnSetTuning" << QRect(97, 169, 86, 31) << "Set Tuning" << 10.5;
        QTest::newRow("lstEffects") << "lstEffects" << QRect(191, 32, 154, 168) << "" << 11.0;
    }
    void layoutAtDesignPositions() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(double, pixels);
        EditorFixture f([](SimD2xx& sim) { sim.removeAllDevices(); });
        TformMain& w = f.main();
        QCOMPARE(w.size(), QSize(354, 217));
        QCOMPARE(w.menuBar()->height(), 24);
        const QMap<QString, QWidget*> elements = {
            {"lblDeviceName", w.lblDeviceName}, {"lblFirmwareVersion", w.lblFirmwareVersion},
            {"lblStatus", w.lblStatus},         {"btnUpload", w.btnUpload},
            {"btnRequest", w.btnRequest},       {"btnSaveParameters", w.btnSaveParameters},
            {"btnAssign", w.btnAssign},         {"btnSetFootswitchMode", w.btnSetFootswitchMode},
            {"btnSetTuning", w.btnSetTuning},   {"lstEffects", w.lstEffects},
        };
        QWidget* e = elements.value(name);
        QRect inClient(e->mapTo(&w, QPoint(0, 0)), e->size());
        QCOMPARE(inClient, geometry);
        QCOMPARE(e->font().family(), QStringLiteral("Arial"));
        QCOMPARE(e->font().pointSizeF() * 96.0 / 72.0, pixels);
        if (auto* label = qobject_cast<QLabel*>(e)) {
            QCOMPARE(label->text(), text);
        } else if (auto* button = qobject_cast<QPushButton*>(e)) {
            QCOMPARE(button->text(), text);
        }
    }

    void menusInOrder() {
        EditorFixture f;
        QStringList seen;
        for (QAction* menu : f.main().menuBar()->actions()) {
            QStringList items;
            for (QAction* item : menu->menu()->actions()) {
                items << item->text() + (item->isEnabled() ? "" : " (off)") +
                             (item->isChecked() ? " (checked)" : "");
            }
            seen << menu->text() + ": " + items.join(", ");
        }
        QCOMPARE(seen, (QStringList{
                           "File: Load Preset, Save Preset",
                           "Connection: Scan, Connect, Disconnect (off)",
                           "Settings: Look, MIDI (off), Upload Tuning Data (off)",
                           "Firmware Upgrade: Upgrade Mode, Start Firmware Upgrade (off)",
                           "Info: Support, Editor Version:  1.0 (off), New version available: "
                           "(off), Update Now (off), Show Update Message (checked), Device "
                           "Serial: TZ7A0001 (off)",
                       }));
        QCOMPARE(f.main().menuMIDI->actions().value(0)->text(), QStringLiteral("Channel"));
        QVERIFY(!f.main().UploadCheckTimer->isActive());
        QCOMPARE(f.main().UploadCheckTimer->interval(), 5000);
        // A coarse timer would fire up to 5 % early.
        QCOMPARE(f.main().UploadCheckTimer->timerType(), Qt::PreciseTimer);
        // The fixture stops the version check; the update tests run it.
        QCOMPARE(f.main().TimerCheckWebVersion->interval(), 1000);
    }

    void stateTable_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<bool>("connected");
        // upload request assign save footswitch tuning MIDI data scan connect
        // disconnect upgrade-mode start-upgrade
        QTest::newRow("start") << QStringList{} << "0000000011010" << false;
        QTest::newRow("after Connect") << QStringList{"connect"} << "1100000000100" << true;
        QTest::newRow("after Request")
            << QStringList{"connect", "request"} << "1111111100100" << true;
        QTest::newRow("after Disconnect")
            << QStringList{"connect", "request", "disconnect"} << "0000000011000" << false;
        QTest::newRow("Connect after Disconnect")
            << QStringList{"connect", "request", "disconnect", "connect"} << "1100000000100"
            << true;
        QTest::newRow("failed Connect")
            << QStringList{"unplug", "connect"} << "0000000011010" << false;
        QTest::newRow("failed Disconnect")
            << QStringList{"connect", "request", "unplug", "disconnect"} << "1111111100100" << true;
        QTest::newRow("failed Request")
            << QStringList{"connect", "silence", "request"} << "1100000000100" << true;
    }
    void stateTable() {
        QFETCH(QStringList, steps);
        QFETCH(QString, states);
        QFETCH(bool, connected);
        EditorFixture f;
        for (const QString& step : steps) {
            if (step == "connect") {
                f.connect();
            } else if (step == "request") {
                f.request();
            } else if (step == "disconnect") {
                f.trigger(f.main().menuDisconnect);
            } else if (step == "unplug") {
                f.sim->unplugAtCall(1);
            } else if (step == "silence") {
                f.pedal().setSilent(true);
            }
        }
        QCOMPARE(commandStates(f.main()), states);
        QCOMPARE(f.editor->state().DeviceConnected, connected);
        QVERIFY(!f.editor->state().ReadbackInProgress);
        // The effect settings controls follow the connection after their design
        // state; the display-only dials never turn on.
        const bool disconnected = steps.contains("disconnect") && !connected;
        QCOMPARE(f.editor->fxSettings().dialInputLevel->isEnabled(), !disconnected);
        QVERIFY(!f.editor->fxSettings().dialDry->isEnabled());
    }

    void upgradeModeToggles() {
        EditorFixture f;
        QAction* mode = f.main().menuFirmwareUpgradeMode;
        f.trigger(mode);
        QVERIFY(mode->isChecked());
        QVERIFY(f.editor->state().FirmwareUpgradeMode);
        f.trigger(mode);
        QVERIFY(!mode->isChecked());
        QVERIFY(!f.editor->state().FirmwareUpgradeMode);
    }

    void debugConsoleShortcut_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Ctrl+Shift+P") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Shift+Alt+P")
            << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier) << true;
        QTest::newRow("Ctrl+Shift+Meta+P")
            << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier) << true;
        QTest::newRow("Ctrl+Shift+Alt+Meta+P")
            << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)
            << true;
        QTest::newRow("Ctrl+Alt+P") << int(Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("P") << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+P") << int(Qt::ControlModifier) << false;
        QTest::newRow("Shift+P") << int(Qt::ShiftModifier) << false;
    }
    void debugConsoleShortcut() {
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        EditorFixture f;
        f.main().activateWindow();
        f.main().lstEffects->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f.main()));
        f.log->lines.clear();
        QTest::keyClick(f.main().lstEffects, Qt::Key_P, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.editor->console().isVisible(), opens);
        QVERIFY(f.log->lines.isEmpty());
    }

    // The console's design position is kept where the whole window fits the
    // screen's available area, else the window is moved inside it.
    void windowsStayOnTheScreen_data() {
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        const QSize console(506, 652);
        QTest::newRow("fits") << QPoint(1075, 0) << QRect(0, 0, 1920, 1040) << QPoint(1075, 0);
        QTest::newRow("off the right of 1366")
            << QPoint(1075, 0) << QRect(0, 0, 1366, 728) << QPoint(860, 0);
        QTest::newRow("below a panel")
            << QPoint(1075, 0) << QRect(0, 30, 1920, 1010) << QPoint(1075, 30);
        QTest::newRow("taller than the screen")
            << QPoint(100, 200) << QRect(0, 0, 1024, 600) << QPoint(100, 0);
        QTest::newRow("second screen on the left")
            << QPoint(-300, 10) << QRect(-1280, 0, 1280, 1024) << QPoint(-506, 10);
    }
    void windowsStayOnTheScreen() {
        QFETCH(QPoint, wanted);
        QFETCH(QRect, available);
        QFETCH(QPoint, placed);
        QCOMPARE(insideArea(wanted, QSize(506, 652), available), placed);
    }

    void consoleOpensInsideTheScreen() {
        EditorFixture f;
        TformPrint& console = f.editor->console();
        QCOMPARE(console.pos(), QPoint(1075, 0));
        f.editor->showConsole();
        const QRect available = console.screen()->availableGeometry();
        QVERIFY2(available.contains(console.frameGeometry()) ||
                     console.frameGeometry().height() > available.height(),
                 qPrintable(QStringLiteral("%1,%2 on %3x%4")
                                .arg(console.x())
                                .arg(console.y())
                                .arg(available.width())
                                .arg(available.height())));
        QCOMPARE(console.x(),
                 std::min(1075, available.right() + 1 - console.frameGeometry().width()));
    }

    void foldersAreCreated() {
        EditorFixture f;
        QVERIFY(QDir(f.documents.filePath("KORVA")).exists());
        QVERIFY(QDir(f.documents.filePath("KORVA/Tarnwick ZQ7")).exists());
    }

    void unusableDocumentsFolderIsReportedAndStartGoesOn() {
        QTemporaryDir dir;
        const QString file = dir.filePath("not-a-folder");
        QFile(file).open(QIODevice::WriteOnly);
        EditorFixture f({}, file + "/Documents");
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[0].startsWith("Error creating folder: "));
        QVERIFY(f.dialogs.messages[1].startsWith("Error creating subfolder: "));
        QVERIFY(f.dialogs.messages[0].size() > QString("Error creating folder: ").size());
        QVERIFY(f.main().isVisible());
        QCOMPARE(f.main().lblDeviceName->text(), QStringLiteral("Tarnwick ZQ7"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
