#include "EditorFixture.h"
#include "MainWindowState.h"
#include "firmware/TformFirmwareUpgrade.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

const QString Ready =
    QStringLiteral("Connection to bootloader succeeded, ready for firmware upgrade");
const QString Failed = QStringLiteral("Connection to bootloader failed");
const QString Closing = QStringLiteral("Firmware Upgrade Complete, device will now restart");
const QString Busy =
    QStringLiteral("The firmware upgrade is running. Please wait until it has finished.");

// An editor whose simulated pedal the user started in its bootloader, and
// which connected to it in upgrade mode.
struct UpgradeWindowFixture : EditorFixture {
    TformFirmwareUpgrade& window;

    explicit UpgradeWindowFixture(const std::function<void(SimD2xx&)>& prepare = {})
        : EditorFixture([&prepare](SimD2xx& sim) {
              sim.startPedalIn(SimulatedPedal::Mode::Bootloader);
              if (prepare) {
                  prepare(sim);
              }
          }),
          window(editor->firmwareUpgrade()) {
        trigger(main().menuFirmwareUpgradeMode);
        connect();
        trigger(main().menuStartFirmwareUpgrade);
        sim->clearWire();
        log->lines.clear();
        log->scrolls.clear();
        dialogs.messages.clear();
    }

    void upgrade() { click(window.btnUpgradeFirmware); }
};

QByteArray builtIn(const QString& name) {
    QFile file(QStringLiteral(":/tarnwick/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFirmwareWindow : public QObject {
    Q_OBJECT
private slots:
    void images_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("5") << "FIRMWARE_5" << 53840;
        QTest::newRow("6") << "FIRMWARE_6" << 53640;
        QTest::newRow("7") << "FIRMWARE_7" << 53700;
    }
    void images() {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QByteArray image = builtIn(name);
        QCOMPARE(image.size(), size);
        // The initial stack pointer 0x20005000, least significant byte first.
        QCOMPARE(image.left(4), QByteArray::fromHex("00500020"));
        QCOMPARE(Resources::bytes(name.toLower()), std::optional<QByteArray>(image));
    }

    // Connect in upgrade mode greets the bootloader last; only its ACK
    // changes the commands beyond those of a plain Connect.
    void greeting_data() {
        QTest::addColumn<QString>("pedal");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("states");
        // upload request assign save footswitch tuning MIDI data scan connect
        // disconnect upgrade-mode start-upgrade
        QTest::newRow("bootloader answers ACK")
            << "bootloader" << QStringList{Ready} << "received Byte: 79"
            << "0000000000101";
        QTest::newRow("bootloader answers NACK")
            << "refusing bootloader" << QStringList{Failed} << "received Byte: 1F"
            << "1100000000100";
        QTest::newRow("the firmware does not answer")
            << "firmware" << QStringList{Failed} << "received Byte: "
            << "1100000000100";
        QTest::newRow("the port did not open")
            << "none"
            << QStringList{"Open_USB_Device_By_Serial_Number - Device not found...",
                           "FT_Write - Invalid handle...", "FT_GetQueueStatus - Invalid handle...",
                           Failed}
            << "received Byte: "
            << "0000000011010";
    }
    void greeting() {
        QFETCH(QString, pedal);
        QFETCH(QStringList, boxes);
        QFETCH(QString, received);
        QFETCH(QString, states);
        EditorFixture f([&](SimD2xx& sim) {
            if (pedal == "none") {
                sim.removeAllDevices();
                return;
            }
            if (pedal != "firmware") {
                sim.startPedalIn(SimulatedPedal::Mode::Bootloader);
            }
            if (pedal == "refusing bootloader") {
                sim.pedal().bootloader().nackAt(Bootloader::Step::Greeting);
            }
        });
        f.trigger(f.main().menuFirmwareUpgradeMode);
        f.connect();
        QCOMPARE(f.dialogs.messages, boxes);
        QCOMPARE(f.log->lines.last(), received);
        QCOMPARE(f.log->scrolls.last(), false);
        QCOMPARE(commandStates(f.main()), states);
        if (pedal != "none") {
            // The greeting goes out last, with no pause before or after it.
            QCOMPARE(f.sim->wire().mid(0, 4),
                     (QStringList{"open TZ7A0001", "baud 115200", "line 8 0 0", "write 7F"}));
            QVERIFY(!f.pacer.pauses.contains(1));
        }
    }

    // Without upgrade mode Connect sends nothing.
    void plainConnectDoesNotGreet() {
        EditorFixture f([](SimD2xx& sim) { sim.startPedalIn(SimulatedPedal::Mode::Bootloader); });
        f.connect();
        QCOMPARE(f.sim->wire(), (QStringList{"open TZ7A0001", "baud 115200", "line 8 0 0"}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void windowChoosesTheNewestImage() {
        UpgradeWindowFixture f;
        QComboBox* list = f.window.cmbFirmwareChoose;
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Firmware Upgrade"));
        QCOMPARE(f.window.btnUpgradeFirmware->text(), QStringLiteral("Upgrade Firmware"));
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
        QCOMPARE(entries, (QStringList{"Firmware_5", "Firmware_6", "Firmware_7"}));
        QCOMPARE(list->currentText(), QStringLiteral("Firmware_7"));
        // The first opening chose it, before the fixture emptied the log.
        QCOMPARE(f.editor->firmware().SelectedImageName, QStringLiteral("Firmware_7"));
        list->setCurrentIndex(0);
        QCOMPARE(f.log->lines, (QStringList{"Firmware Version: 5", "Firmware_5"}));
        QCOMPARE(f.log->scrolls, (QList<bool>{true, true}));
        f.window.hide();
        f.trigger(f.main().menuStartFirmwareUpgrade);
        QCOMPARE(list->currentText(), QStringLiteral("Firmware_7"));
        QCOMPARE(f.log->lines.mid(2), (QStringList{"Firmware Version: 7", "Firmware_7"}));
        // Showing it again with the newest chosen logs nothing.
        f.window.hide();
        f.trigger(f.main().menuStartFirmwareUpgrade);
        QCOMPARE(f.log->lines.size(), 4);
    }

    void fullUpgradeThroughTheWindow() {
        UpgradeWindowFixture f;
        f.window.cmbFirmwareChoose->setCurrentIndex(0);
        QList<int> positions;
        QObject::connect(f.window.ProgressBar1, &QProgressBar::valueChanged,
                         [&](int v) { positions << v; });
        f.dialogs.onMessage = [&](const QString& text) { f.sim->note("box " + text); };
        f.upgrade();

        const QByteArray image = builtIn("FIRMWARE_5");
        const QByteArray& flash = f.pedal().bootloader().flash();
        QCOMPARE(flash.left(image.size()), image);
        QCOMPARE(flash.mid(0x1FC00, 8), QByteArray(7, '\0') + '\x05');
        const int loaded = int(f.log->lines.indexOf("Firmware num of bytes: 53840"));
        QVERIFY(loaded >= 0);
        QCOMPARE(f.log->lines.mid(loaded + 1, 2),
                 (QStringList{"num of chunks: 210", "num of bytes last chunk: 80"}));
        QCOMPARE(f.dialogs.messages, QStringList{Closing});
        // The closing message follows the long pause, before Go.
        const QStringList& wire = f.sim->wire();
        const int box = int(wire.indexOf("box " + Closing));
        QCOMPARE(wire.mid(box - 1, 3), (QStringList{"pause 2000", "box " + Closing, "write 21"}));
        QCOMPARE(f.pacer.livePauses, QList<int>{2000});
        // The bar shows chunk i of 211 while chunk i is written.
        QCOMPARE(f.window.ProgressBar1->maximum(), 211);
        QCOMPARE(positions.size(), 211);
        QCOMPARE(positions.front(), 0);
        QCOMPARE(positions.back(), 210);
        QVERIFY(std::is_sorted(positions.begin(), positions.end()));

        // The window goes, and the main window is as after a plain Connect.
        QVERIFY(!f.window.isVisible());
        QVERIFY(!f.window.btnUpgradeFirmware->isEnabled());
        QCOMPARE(commandStates(f.main()), QStringLiteral("1100000000101"));
        QVERIFY(!f.main().menuFirmwareUpgradeMode->isChecked());
        QVERIFY(!f.editor->state().FirmwareUpgradeMode);

        // The new firmware answers the request with its version.
        f.sim->clearWire();
        f.request();
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Firmware Version: 05"));
        QVERIFY(f.sim->wire().contains("write 0200"));
    }

    // While the upgrade runs, in its reply waits and its long pause, no other
    // command reaches the pedal, and a second start is refused.
    void refusedWhileUpgrading() {
        UpgradeWindowFixture f;
        TformFXsettings& fx = f.editor->fxSettings();
        const int angle = fx.dialInputLevel->angle();
        bool restingWhileRunning = true;
        const auto tryOthers = [&] {
            restingWhileRunning = restingWhileRunning &&
                                  !f.window.btnUpgradeFirmware->isEnabled() &&
                                  !f.window.cmbFirmwareChoose->isEnabled();
            // The button rests; a second start by another way is refused.
            f.window.btnUpgradeFirmwareClick();
            f.trigger(f.main().menuDisconnect);
            fx.dialInputLevel->setAngle(angle + 40);
        };
        QTimer::singleShot(0, tryOthers);
        f.pacer.onPause = [&](int ms) {
            if (ms == 2000) {
                QTimer::singleShot(0, tryOthers);
            }
        };
        f.upgrade();
        QCOMPARE(f.dialogs.messages, (QStringList{Busy, Busy, Busy, Busy, Busy, Busy, Closing}));
        QVERIFY(restingWhileRunning);
        QVERIFY(f.window.cmbFirmwareChoose->isEnabled());
        QCOMPARE(fx.dialInputLevel->angle(), angle);
        for (const QString& entry : f.sim->wire()) {
            // Each byte in a write of its own: no message of the pedal's went out.
            QVERIFY2(entry != "close" && !(entry.startsWith("write ") && entry.size() > 8),
                     qPrintable(entry));
        }
        QVERIFY(f.sim->isOpen());
        QCOMPARE(f.pedal().bootloader().eraseCount(), 1);
        // Afterwards the commands work again.
        f.trigger(f.main().menuDisconnect);
        QVERIFY(!f.sim->isOpen());
    }

    // A failure stops the upgrade with its message; the user can start it
    // again from the erase.
    void failureLeavesTheUpgradeOpen_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("NACK") << "nack"
                              << QStringList{"Firmware upgrade stopped at chunk 41 of 210 (address "
                                             "08002800): the bootloader answered NOT ACK. Press "
                                             "\"Upgrade Firmware\" to start again."};
        QTest::newRow("unplugged mid-chunk")
            << "unplug"
            << QStringList{"FT_Write - General IO error...",
                           "Firmware upgrade stopped at chunk 2 of 210 (address "
                           "08000100): a byte could not be written to the pedal. "
                           "Press \"Upgrade Firmware\" to start again."};
    }
    void failureLeavesTheUpgradeOpen() {
        QFETCH(QString, fault);
        QFETCH(QStringList, boxes);
        UpgradeWindowFixture f([&](SimD2xx& sim) {
            if (fault == "nack") {
                sim.pedal().bootloader().nackAt(Bootloader::Step::Data, 41);
            }
        });
        if (fault == "unplug") {
            f.pedal().unplugAfterBytes(4 + 265 + 8 + 10);
        }
        const QString before = commandStates(f.main());
        f.upgrade();
        QCOMPARE(f.dialogs.messages, boxes);
        QVERIFY(f.window.isVisible());
        QVERIFY(f.window.btnUpgradeFirmware->isEnabled());
        QVERIFY(f.window.cmbFirmwareChoose->isEnabled());
        QCOMPARE(commandStates(f.main()), before);
        QVERIFY(f.editor->state().FirmwareUpgradeMode);
        if (fault == "unplug") {
            return;
        }
        f.dialogs.messages.clear();
        f.upgrade();
        QCOMPARE(f.dialogs.messages, QStringList{Closing});
        QCOMPARE(f.pedal().bootloader().flash().left(53700), builtIn("FIRMWARE_7"));
        QVERIFY(!f.window.isVisible());
    }
};

QTEST_MAIN(TestFirmwareWindow)
#include "test_firmware_window.moc"
