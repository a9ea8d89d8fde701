#include "DeviceFixture.h"
#include "device/ValueDecoder.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>

// Calls a test makes on the bridge.
using BridgeCalls = std::function<void(SimD2xx&)>;
Q_DECLARE_METATYPE(BridgeCalls)

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// The values of the pedal's answer to "0200", decoded as the editor does.
QByteArray requestValues(SimulatedPedal& pedal) {
    pedal.receive(hex("0200"));
    const QByteArray raw = pedal.take(1 << 20);
    std::vector<std::uint8_t> values;
    decodeValueAnswer(reinterpret_cast<const std::uint8_t*>(raw.constData()), int(raw.size()),
                      values);
    return QByteArray(reinterpret_cast<const char*>(values.data()), int(values.size()));
}

QByteArray image(const QByteArray& addressSlots, int length) {
    QByteArray img = hex("00") + char(length >> 8) + char(length & 0xFF) + addressSlots;
    while (img.size() < length) {
        img += char(img.size() & 0x7F);
    }
    return img;
}

FT_HANDLE openBridge(SimD2xx& sim, QByteArray serial = SimD2xx::DefaultSerial) {
    FT_HANDLE handle = nullptr;
    sim.FT_OpenEx(serial.data(), ft::OpenBySerialNumber, &handle);
    return handle;
}

void writeHex(SimD2xx& sim, FT_HANDLE handle, const char* text) {
    const QByteArray bytes = hex(text);
    DWORD written = 0;
    sim.FT_Write(handle, bytes.constData(), DWORD(bytes.size()), &written);
}

void readUpTo(SimD2xx& sim, FT_HANDLE handle, DWORD count) {
    QByteArray buffer(int(count), '\0');
    DWORD returned = 0;
    sim.FT_Read(handle, buffer.data(), count, &returned);
}

} // namespace

class TestSimPedal : public QObject {
    Q_OBJECT
private slots:
    void listsItselfAsTheFactoryBridge() {
        SimD2xx sim;
        DWORD count = 0;
        QCOMPARE(sim.FT_ListDevices(&count, nullptr, ft::ListNumberOnly), FT_STATUS(ft::Ok));
        QCOMPARE(count, DWORD(1));
        char text[64] = {};
        sim.FT_ListDevices(nullptr, text, ft::ListByIndex | ft::OpenByDescription);
        QCOMPARE(QByteArray(text), QByteArray("FT230X Basic UART"));
        sim.FT_ListDevices(nullptr, text, ft::ListByIndex | ft::OpenBySerialNumber);
        QCOMPARE(QByteArray(text), QByteArray(SimD2xx::DefaultSerial));
    }

    void answersTheRequestWithItsState() {
        SimulatedPedal pedal;
        pedal.receive(hex("0200"));
        const QByteArray raw = pedal.take(1 << 20);
        // Each value is ASCII decimal digits ended by CR LF.
        QVERIFY(raw.startsWith("7\r\n0\r\n8\r\n1\r\n0\r\n"));
        QCOMPARE(raw.count("\r\n"), 82);
        const QByteArray v = requestValues(pedal);
        QCOMPARE(v.size(), 82);
        QCOMPARE(v.mid(5, 15), hex("0000000000ffffffffffffffffffff"));
        QCOMPARE(v.mid(22, 4), hex("00400000")); // Dry
    }

    void messagesChangeTheAnswer_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("values");
        QTest::newRow("write to DSP, Input Level")
            << hex("01000a00123456") << 62 << hex("00123456");
        QTest::newRow("write to DSP, High Notes Cut")
            << hex("01000c00000001") << 78 << hex("00000001");
        QTest::newRow("assign") << hex("040101010001000a00e7001bfffffffd") << 5
                                << hex("0101010001000a00e7001bfffffffd");
        QTest::newRow("footswitch short change, long bypass") << hex("080101") << 4 << hex("03");
        QTest::newRow("footswitch short bypass, long bypass") << hex("080001") << 4 << hex("01");
        QTest::newRow("tuning") << hex("0902fe") << 20 << hex("02fe");
    }
    void messagesChangeTheAnswer() {
        QFETCH(QByteArray, message);
        QFETCH(int, offset);
        QFETCH(QByteArray, values);
        SimulatedPedal pedal;
        pedal.receive(message);
        QCOMPARE(pedal.available(), 0);
        QCOMPARE(requestValues(pedal).mid(offset, int(values.size())), values);
    }

    void storesMidiAndStoredWords() {
        SimulatedPedal pedal;
        pedal.receive(hex("070a"));
        pedal.receive(hex("03"
                          "00400000"
                          "00400000"
                          "00000000"
                          "00000000"
                          "00000001"));
        QCOMPARE(pedal.settings().midiChannel, 10);
        QCOMPARE(pedal.settings().storeCount, 1);
        QCOMPARE(pedal.settings().storedWords[0], 0x00400000u);
        QCOMPARE(pedal.settings().storedWords[4], 1u);
    }

    void eepromEraseAndRead() {
        SimulatedPedal pedal;
        pedal.settings().eeprom[100] = 0x12;
        pedal.settings().eeprom[101] = 0x34;
        pedal.receive(hex("0c5000640066"));
        QCOMPARE(pedal.take(100), QByteArray("18\r\n52\r\n255\r\n"));
        pedal.receive(hex("0b00640064"));
        pedal.receive(hex("0c5000640065"));
        QCOMPARE(pedal.take(100), QByteArray("255\r\n52\r\n"));
    }

    void algorithmUploadLoadsTheAddressTable() {
        SimulatedPedal pedal;
        pedal.receive(hex("0d00"));
        QCOMPARE(pedal.available(), 0);
        QByteArray table;
        for (int k = 0; k < 17; ++k) {
            table.append(char(0x01)).append(char(k));
        }
        pedal.receive(image(table, 4640));
        QCOMPARE(pedal.take(100), PedalFirmware::UploadAnswer);
        QCOMPARE(pedal.settings().algorithmImage.size(), 4640);
        QCOMPARE(pedal.settings().addressTable[12], std::uint16_t(0x010C));
        pedal.receive(hex("01010c00000200"));
        QCOMPARE(requestValues(pedal).mid(62, 4), hex("00000200"));
    }

    void tuningTableAfterThePrefix() {
        SimulatedPedal pedal;
        pedal.receive(hex("0d00"));
        const QByteArray table = hex("0e") + QByteArray(640, '\x11');
        pedal.receive(table.left(300));
        pedal.receive(table.mid(300));
        QCOMPARE(pedal.settings().tuningTable, table);
        QCOMPARE(pedal.available(), 0);
    }

    void prefixFollowedByAnOrdinaryMessage() {
        SimulatedPedal pedal;
        pedal.receive(hex("0d00"));
        pedal.receive(hex("0200"));
        QCOMPARE(pedal.take(1 << 20).count("\r\n"), 82);
    }

    void recordsEveryWrite() {
        SimulatedPedal pedal;
        pedal.receive(hex("0d00"));
        pedal.receive(hex("0902fe"));
        QCOMPARE(pedal.writes(), (QList<QByteArray>{hex("0d00"), hex("0902fe")}));
        QCOMPARE(pedal.receivedBytes(), hex("0d000902fe"));
    }

    void faults() {
        SimulatedPedal pedal;
        pedal.setSilent(true);
        pedal.receive(hex("0200"));
        QCOMPARE(pedal.available(), 0);
        pedal.setSilent(false);
        pedal.setGarbage("x\r");
        pedal.receive(hex("0200"));
        QCOMPARE(pedal.take(100), QByteArray("x\r"));
        pedal.setGarbage({});
        pedal.setAnswerDelay(300);
        pedal.receive(hex("0200"));
        QCOMPARE(pedal.available(), 0);
        QTest::qSleep(400);
        QVERIFY(pedal.available() > 0);
        pedal.purgeReceived();
        QCOMPARE(pedal.available(), 0);
    }

    void unplugOnAMessage() {
        DeviceFixture f;
        f.open();
        f.pedal().unplugOnMessage(0x0C);
        f.comm.SendHexMessage(QStringLiteral("0200"), false);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        f.comm.SendHexMessage(QStringLiteral("0C5000003FFF"), false);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
        QCOMPARE(f.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.DeviceCount(), DWORD(0));
    }

    void unplugAfterBytes() {
        SimulatedPedal pedal(SimulatedPedal::Mode::Bootloader);
        pedal.unplugAfterBytes(3);
        pedal.receive(hex("7f"));
        pedal.receive(hex("31"));
        QVERIFY(pedal.plugged());
        // The byte that makes three still arrives; then the bridge is gone.
        pedal.receive(hex("ce"));
        QVERIFY(!pedal.plugged());
        QCOMPARE(pedal.receivedBytes(), hex("7f31ce"));
    }

    // A byte and its one-byte reply take 20 bit times: 200 ms at 100 baud.
    void wireSpeed() {
        SimulatedPedal pedal(SimulatedPedal::Mode::Bootloader);
        pedal.setWireSpeed(100);
        QElapsedTimer clock;
        clock.start();
        pedal.receive(hex("7f"));
        QTRY_COMPARE_WITH_TIMEOUT(pedal.available(), 1, 1000);
        QVERIFY(clock.elapsed() >= 200);
        QCOMPARE(pedal.take(10), hex("79"));
        pedal.setWireSpeed(0);
        pedal.receive(hex("7f"));
        QCOMPARE(pedal.take(10), hex("79"));
    }

    // The user starts the pedal in its bootloader before connecting; an
    // open port keeps it as it is.
    void startedByHand() {
        SimD2xx sim;
        sim.startPedalIn(SimulatedPedal::Mode::Bootloader);
        QCOMPARE(sim.pedal().mode(), SimulatedPedal::Mode::Bootloader);
        sim.startPedalIn(SimulatedPedal::Mode::Firmware);
        QCOMPARE(sim.pedal().mode(), SimulatedPedal::Mode::Firmware);
        openBridge(sim);
        sim.startPedalIn(SimulatedPedal::Mode::Bootloader);
        QCOMPARE(sim.pedal().mode(), SimulatedPedal::Mode::Firmware);
    }

    void unplugAtACall() {
        DeviceFixture f;
        f.open();
        f.sim.unplugAtCall(2);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
    }

    void wireEntries_data() {
        QTest::addColumn<BridgeCalls>("calls");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("open, line settings, close") << BridgeCalls([](SimD2xx& sim) {
            FT_HANDLE h = openBridge(sim);
            sim.FT_SetBaudRate(h, 115200);
            sim.FT_SetDataCharacteristics(h, 8, 0, 0);
            sim.FT_Close(h);
        }) << QStringList{"open TZ7A0001", "baud 115200", "line 8 0 0", "close"};
        QTest::newRow("line fields in call order") << BridgeCalls([](SimD2xx& sim) {
            sim.FT_SetDataCharacteristics(openBridge(sim), 7, 2, 1);
        }) << QStringList{"open TZ7A0001", "line 7 2 1"};
        QTest::newRow("purge masks") << BridgeCalls([](SimD2xx& sim) {
            FT_HANDLE h = openBridge(sim);
            sim.FT_Purge(h, 1);
            sim.FT_Purge(h, 2);
            sim.FT_Purge(h, 3);
        }) << QStringList{"open TZ7A0001", "purge 1", "purge 2", "purge 3"};
        QTest::newRow("write in upper-case hexadecimal")
            << BridgeCalls([](SimD2xx& sim) { writeHex(sim, openBridge(sim), "0100e7006a8000"); })
            << QStringList{"open TZ7A0001", "write 0100E7006A8000"};
        QTest::newRow("reads count what they returned, nothing included")
            << BridgeCalls([](SimD2xx& sim) {
                   FT_HANDLE h = openBridge(sim);
                   writeHex(sim, h, "0200");
                   readUpTo(sim, h, 3);
                   sim.FT_Purge(h, 1);
                   readUpTo(sim, h, 64);
               })
            << QStringList{"open TZ7A0001", "write 0200", "read 3", "purge 1", "read 0"};
        QTest::newRow("a test's notes between the calls") << BridgeCalls([](SimD2xx& sim) {
            FT_HANDLE h = openBridge(sim);
            writeHex(sim, h, "0200");
            sim.note("pause 200");
            readUpTo(sim, h, 2);
        }) << QStringList{"open TZ7A0001", "write 0200", "pause 200", "read 2"};
        QTest::newRow("listing and queue status are left out") << BridgeCalls([](SimD2xx& sim) {
            DWORD count = 0;
            sim.FT_ListDevices(&count, nullptr, ft::ListNumberOnly);
            char text[64] = {};
            sim.FT_ListDevices(nullptr, text, ft::ListByIndex | ft::OpenBySerialNumber);
            FT_HANDLE h = openBridge(sim);
            DWORD queued = 0;
            sim.FT_GetQueueStatus(h, &queued);
        }) << QStringList{"open TZ7A0001"};
        QTest::newRow("the serial of the device opened") << BridgeCalls([](SimD2xx& sim) {
            sim.addDevice("SECOND22", "Other bridge");
            openBridge(sim, "SECOND22");
        }) << QStringList{"open SECOND22"};
        QTest::newRow("failing calls are left out") << BridgeCalls([](SimD2xx& sim) {
            openBridge(sim, "NOSUCH01");
            FT_HANDLE h = openBridge(sim);
            openBridge(sim); // already open
            writeHex(sim, nullptr, "0200");
            sim.FT_Close(h);
            sim.FT_Close(h);
            sim.FT_SetBaudRate(h, 9600);
            sim.FT_Purge(h, 3);
            readUpTo(sim, h, 8);
        }) << QStringList{"open TZ7A0001", "close"};
        QTest::newRow("calls on an unplugged bridge are left out") << BridgeCalls([](SimD2xx& sim) {
            FT_HANDLE h = openBridge(sim);
            sim.unplugAtCall(1);
            writeHex(sim, h, "0200");
            sim.FT_SetDataCharacteristics(h, 8, 0, 0);
            readUpTo(sim, h, 8);
            sim.FT_Close(h);
        }) << QStringList{"open TZ7A0001"};
    }
    void wireEntries() {
        QFETCH(BridgeCalls, calls);
        QFETCH(QStringList, wire);
        SimD2xx sim;
        calls(sim);
        QCOMPARE(sim.wire(), wire);
    }

    void clearingTheWireKeepsThePedalsWrites() {
        SimD2xx sim;
        FT_HANDLE h = openBridge(sim);
        writeHex(sim, h, "0200");
        sim.clearWire();
        QVERIFY(sim.wire().isEmpty());
        writeHex(sim, h, "070a");
        QCOMPARE(sim.wire(), QStringList{"write 070A"});
        QCOMPARE(sim.pedal().writes(), (QList<QByteArray>{hex("0200"), hex("070a")}));
    }
};

QTEST_GUILESS_MAIN(TestSimPedal)
#include "test_sim_pedal.moc"
