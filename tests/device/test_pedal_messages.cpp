#include "device/PedalMessages.h"

#include <QTest>

using namespace PedalMessages;

Q_DECLARE_METATYPE(PedalMessages::Kind)

class TestPedalMessages : public QObject {
    Q_OBJECT
private slots:
    // Every message the pedal takes: its first byte and its length.
    void kinds_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("opcode");
        QTest::addColumn<int>("length");
        QTest::newRow("write to DSP") << WriteToDsp << 0x01 << 7;
        QTest::newRow("device information") << DeviceInfo << 0x02 << 2;
        QTest::newRow("store settings") << StoreSettings << 0x03 << 21;
        QTest::newRow("assign controls") << AssignControls << 0x04 << 16;
        QTest::newRow("MIDI channel") << MidiChannel << 0x07 << 2;
        QTest::newRow("footswitch") << FootswitchMode << 0x08 << 3;
        QTest::newRow("tuning") << Tuning << 0x09 << 3;
        QTest::newRow("EEPROM erase") << EepromErase << 0x0B << 5;
        QTest::newRow("EEPROM read") << EepromRead << 0x0C << 6;
        QTest::newRow("upload prefix") << UploadPrefix << 0x0D << 2;
        QTest::newRow("tuning table") << TuningTable << 0x0E << 641;
    }
    void kinds() {
        QFETCH(Kind, kind);
        QFETCH(int, opcode);
        QFETCH(int, length);
        QCOMPARE(int(kind.opcode), opcode);
        QCOMPARE(kind.length, length);
    }

    void builders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("length");
        QTest::newRow("request") << DeviceInfoRequest() << "0200" << 2;
        QTest::newRow("upload prefix") << UploadPrefixMessage() << "0D00" << 2;
        QTest::newRow("input level at mid")
            << WriteToDspMessage(0x000A, 0x00400000) << "01000A00400000" << 7;
        QTest::newRow("full word")
            << WriteToDspMessage(0xFFFF, 0xFFFFFFFF) << "01FFFFFFFFFFFF" << 7;
        QTest::newRow("MIDI channel 16") << MidiChannelMessage(16) << "0710" << 2;
        QTest::newRow("tuning, offset -5") << TuningMessage(6, -5) << "0906FB" << 3;
        QTest::newRow("assign") << AssignMessage({true, false, false, false, true},
                                                 {0x000A, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFD})
                                << "040100000001000AFFFFFFFFFFFFFFFD" << 16;
        QTest::newRow("footswitch, short Change Preset")
            << FootswitchMessage(true, false) << "080100" << 3;
    }
    void builders() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, length);
        QCOMPARE(text, expected);
        QCOMPARE(text.size(), 2 * length);
    }
};

QTEST_GUILESS_MAIN(TestPedalMessages)
#include "test_pedal_messages.moc"
