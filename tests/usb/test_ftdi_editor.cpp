// The editor over the libftdi back end, with the stand-in libusb below it:
// the pedal gets the same bytes as over the simulated back end, failures of
// the bus give the same boxes, and a pedal the system will not open is
// explained.
#include "EditorFixture.h"
#include "StandInLoaded.h"
#include "UsbStandIn.h"
#include "device/FtdiD2xx.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QElapsedTimer>
#include <QLabel>

namespace {

const QString AccessRefused = QStringLiteral(
    "The pedal was found, but the system refused access to it. Install the udev rule that "
    "comes with the editor (99-tarnwick-zq7.rules; the package installs it in "
    "/usr/lib/udev/rules.d, or copy packaging/linux/99-tarnwick-zq7.rules from the source "
    "to /etc/udev/rules.d), then unplug the pedal and plug it in again.");

libusb_device& chip() {
    return UsbStandIn::bus().device();
}

enum class Scenario { Session, PulledOutAtRequest, Silent };

// A user's steps; the pedal is set up for the scenario before them.
void play(EditorFixture& f, SimulatedPedal& pedal, Scenario scenario) {
    if (scenario == Scenario::PulledOutAtRequest) {
        pedal.unplugOnMessage(0x02);
    } else if (scenario == Scenario::Silent) {
        pedal.setSilent(true);
    }
    f.connect();
    f.request();
    if (scenario != Scenario::Session) {
        return;
    }
    f.clickEffect();
    f.editor->fxSettings().dialClipWave->setAngle(0);
    f.click(f.main().btnUpload);
    f.trigger(f.main().menuDisconnect);
}

// The log without the handle's value, which differs between back ends.
QStringList logWithoutHandle(const EditorFixture& f) {
    QStringList lines = f.log->lines;
    lines.removeIf([](const QString& line) { return line.startsWith("FT_HANDLE: 0x"); });
    return lines;
}

} // namespace

class TestFtdiEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { checkStandInLoaded(); }
    void init() { UsbStandIn::bus().reset(); }

    void sameAsTheSimulatedBackend_data() {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("connect, request, live change, upload, disconnect")
            << Scenario::Session << QStringList{};
        QTest::newRow("pedal pulled out at the request")
            << Scenario::PulledOutAtRequest
            << QStringList{"FT_GetQueueStatus - General IO error..."};
        QTest::newRow("silent pedal")
            << Scenario::Silent << QStringList{"The pedal did not answer."};
    }
    void sameAsTheSimulatedBackend() {
        QFETCH(Scenario, scenario);
        QFETCH(QStringList, boxes);
        EditorFixture sim;
        play(sim, sim.pedal(), scenario);

        EditorFixture usb(std::make_unique<FtdiD2xx>());
        QElapsedTimer clock;
        clock.start();
        play(usb, chip().pedal, scenario);
        // The waits keep their limits through this back end.
        QVERIFY(clock.elapsed() < 2000);

        QCOMPARE(chip().pedal.receivedBytes(), sim.pedal().receivedBytes());
        QCOMPARE(usb.dialogs.messages, boxes);
        QCOMPARE(sim.dialogs.messages, boxes);
        QCOMPARE(logWithoutHandle(usb), logWithoutHandle(sim));
        QCOMPARE(usb.main().lblDeviceName->text(), sim.main().lblDeviceName->text());
        QCOMPARE(usb.main().lblStatus->text(), sim.main().lblStatus->text());
        if (scenario == Scenario::Session) {
            QVERIFY(usb.log->lines.contains("received: ALGORITHM OK"));
            QCOMPARE(chip().pedal.settings().algorithmImage.size(), 4640);
            QVERIFY(chip().kernelDriverAttached);
        }
    }

    // The pedal is there but the system will not let the editor open it:
    // after the wrapper's boxes, one message says so and how to mend it.
    void refusedAccessIsExplained() {
        chip().accessRefused = true;
        EditorFixture f(std::make_unique<FtdiD2xx>());
        QCOMPARE(f.dialogs.messages,
                 (QStringList{"GetFTDeviceSerialNo - Device not opened...",
                              "GetFTDeviceDescription - Device not opened...", AccessRefused}));

        f.dialogs.messages.clear();
        f.trigger(f.main().menuScan);
        QCOMPARE(f.dialogs.messages, (QStringList{"GetFTDeviceSerialNo - Device not opened...",
                                                  "GetFTDeviceDescription - Device not opened...",
                                                  " found, click Connect", AccessRefused}));

        f.dialogs.messages.clear();
        f.connect();
        QCOMPARE(f.dialogs.messages,
                 (QStringList{"Open_USB_Device_By_Serial_Number - Device not opened...",
                              AccessRefused}));
        QVERIFY(!f.editor->state().DeviceConnected);
        QVERIFY(chip().kernelDriverAttached);

        // With the rule in place and the pedal plugged in again.
        chip().accessRefused = false;
        f.dialogs.messages.clear();
        f.trigger(f.main().menuScan);
        QCOMPARE(f.dialogs.messages, QStringList{"FT230X Basic UART found, click Connect"});
        f.connect();
        QVERIFY(f.editor->state().DeviceConnected);
        QCOMPARE(f.dialogs.messages.size(), 1);
    }

    // Nothing is said of access where none was refused.
    void noWordOfAccessOtherwise() {
        chip().pedal.setPlugged(false);
        EditorFixture f(std::make_unique<FtdiD2xx>());
        QVERIFY(f.dialogs.messages.isEmpty());
        f.connect();
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Open_USB_Device_By_Serial_Number - Device not found..."});
        f.trigger(f.main().menuScan);
        QCOMPARE(f.dialogs.messages.mid(1), QStringList{"No device found"});
    }
};

QTEST_MAIN(TestFtdiEditor)
#include "test_ftdi_editor.moc"
