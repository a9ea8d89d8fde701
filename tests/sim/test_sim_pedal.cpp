#include "DeviceFixture.h"
#include "device/ValueDecoder.h"

#include <QTest>

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

    void unplugAtACall() {
        DeviceFixture f;
        f.open();
        f.sim.unplugAtCall(2);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
    }
};

QTEST_GUILESS_MAIN(TestSimPedal)
#include "test_sim_pedal.moc"
