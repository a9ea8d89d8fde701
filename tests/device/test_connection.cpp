#include "EditorFixture.h"
#include "MainWindowState.h"

#include <QLabel>
#include <QRegularExpression>

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void connectDisconnectConnectLabels() {
        EditorFixture f;
        QLabel* label = f.main().lblDeviceName;
        QCOMPARE(label->text(), QStringLiteral("Tarnwick ZQ7"));
        f.connect();
        QCOMPARE(label->text(), QStringLiteral("Tarnwick ZQ7 connected"));
        f.sim->clearWire();
        f.trigger(f.main().menuDisconnect);
        QCOMPARE(f.sim->wire(), QStringList{"close"});
        QCOMPARE(label->text(), QStringLiteral("Tarnwick ZQ7 "));
        f.connect();
        QCOMPARE(label->text(), QStringLiteral("Tarnwick ZQ7  connected"));
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.sim->isOpen());
    }

    void connectLogsTheOpening() {
        EditorFixture f;
        f.connect();
        const QStringList& lines = f.log->lines;
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("serial number: TZ7A0001"));
        // Exactly eight digits: the handle's low 32 bits.
        QVERIFY2(QRegularExpression("^FT_HANDLE: 0x[0-9A-F]{8}$").match(lines[1]).hasMatch(),
                 qPrintable(lines[1]));
        const auto handle = reinterpret_cast<quintptr>(f.editor->link().unit().Handle());
        QCOMPARE(lines[1].mid(13).toUInt(nullptr, 16), quint32(handle));
        QCOMPARE(lines[2], QStringLiteral("baud rate = 115200"));
        QCOMPARE(f.log->scrolls, (QList<bool>{true, true, false}));
        // 115,200 baud, 8 data bits, one stop bit, no parity.
        QCOMPARE(f.sim->wire(), (QStringList{"open TZ7A0001", "baud 115200", "line 8 0 0"}));
    }

    // The label says "connected" as soon as the port is open, before the
    // line is set (and before any box about it).
    void labelFollowsTheOpening() {
        EditorFixture f;
        QString labelAtBox;
        f.dialogs.onMessage = [&](const QString&) { labelAtBox = f.main().lblDeviceName->text(); };
        f.sim->unplugAtCall(2);
        f.connect();
        QCOMPARE(f.dialogs.messages.value(0),
                 QStringLiteral("FT_SetBaudRate - General IO error..."));
        QCOMPARE(labelAtBox, QStringLiteral("Tarnwick ZQ7 connected"));
    }

    void connectSetsTheConnectionState() {
        EditorFixture f;
        f.connect();
        QVERIFY(f.editor->state().DeviceConnected);
        QVERIFY(!f.main().menuFirmwareUpgradeMode->isEnabled());
        f.trigger(f.main().menuDisconnect);
        QVERIFY(!f.editor->state().DeviceConnected);
        QVERIFY(!f.main().menuFirmwareUpgradeMode->isEnabled());
    }

    void connectWithNoDeviceEverListed() {
        EditorFixture f([](SimD2xx& sim) { sim.removeAllDevices(); });
        const QString before = commandStates(f.main());
        f.connect();
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Open_USB_Device_By_Serial_Number - Device not found..."});
        QCOMPARE(commandStates(f.main()), before);
        QCOMPARE(f.main().lblDeviceName->text(), QStringLiteral("No device found"));
        QVERIFY(!f.editor->state().DeviceConnected);
        QCOMPARE(f.log->lines, QStringList{"serial number: "});
    }

    void failingDisconnectChangesNothing() {
        EditorFixture f;
        f.connect();
        f.sim->unplugAtCall(1);
        f.trigger(f.main().menuDisconnect);
        QCOMPARE(f.dialogs.messages, QStringList{"FT_Close - General IO error..."});
        QCOMPARE(f.main().lblDeviceName->text(), QStringLiteral("Tarnwick ZQ7 connected"));
        QVERIFY(f.editor->state().DeviceConnected);
    }

    void scan_data() {
        QTest::addColumn<int>("devices");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << 0 << QStringList{"No device found"} << "No device found"
                              << QByteArray("TZ7A0001") << QStringList{"FT device count: 0"};
        QTest::newRow("the pedal")
            << 1 << QStringList{"FT230X Basic UART found, click Connect"} << "FT230X Basic UART"
            << QByteArray("TZ7A0001")
            << QStringList{"FT device count: 1", "FT_Device_String: TZ7A0001"};
        QTest::newRow("two devices")
            << 2
            << QStringList{"FT230X Basic UART found, click Connect",
                           "Other bridge found, click Connect"}
            << "Other bridge" << QByteArray("SECOND22")
            << QStringList{"FT device count: 2", "FT_Device_String: TZ7A0001",
                           "FT_Device_String: SECOND22"};
    }
    void scan() {
        QFETCH(int, devices);
        QFETCH(QStringList, boxes);
        QFETCH(QString, label);
        QFETCH(QByteArray, serial);
        QFETCH(QStringList, lines);
        EditorFixture f;
        if (devices == 0) {
            f.pedal().setPlugged(false);
        } else if (devices == 2) {
            f.sim->addDevice("SECOND22", "Other bridge");
        }
        const QString serialItem = f.main().menuSerialNumber->text();
        f.trigger(f.main().menuScan);
        QCOMPARE(f.dialogs.messages, boxes);
        QCOMPARE(f.main().lblDeviceName->text(), label);
        QCOMPARE(f.editor->state().DeviceSerialNumber, serial);
        QCOMPARE(f.log->lines, lines);
        QCOMPARE(f.main().menuSerialNumber->text(), serialItem);
    }
};

QTEST_MAIN(TestConnection)
#include "test_connection.moc"
