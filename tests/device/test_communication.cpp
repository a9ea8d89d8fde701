#include "DeviceFixture.h"
#include "app/EditorError.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using Bytes = std::vector<std::uint8_t>;

namespace {

QByteArray oneDigitValues(int count) {
    QByteArray answer;
    for (int i = 0; i < count; ++i) {
        answer += QByteArray::number(i % 10) + "\r\n";
    }
    return answer;
}

} // namespace

class TestCommunication : public QObject {
    Q_OBJECT
private slots:
    void sendWritesTheMessageBytes() {
        DeviceFixture f;
        f.open();
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        f.comm.SendHexMessage(QStringLiteral("01000A00400000"), false);
        QCOMPARE(f.pedal().writes(), (QList<QByteArray>{QByteArray::fromHex("0200"),
                                                        QByteArray::fromHex("01000a00400000")}));
    }

    void malformedMessagesAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("second digit not hex") << "0G00";
        QTest::newRow("odd length") << "0D0";
        QTest::newRow("typed text") << "01addrdata";
    }
    void malformedMessagesAreRefused() {
        QFETCH(QString, text);
        DeviceFixture f;
        f.open();
        f.comm.SendHexMessage(QStringLiteral("01000B00400000"), false);
        f.pedal().clearWrites();
        try {
            f.comm.SendHexMessage(text, false);
            QFAIL("sent");
        } catch (const EditorError& e) {
            QVERIFY(e.text().contains(text));
        }
        QVERIFY(f.pedal().writes().isEmpty());
    }

    void requestAnswerIsDecodedAndLogged() {
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage("7\r\n0\r\n8\r\n1\r\n");
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        const ValueAnswer a = f.comm.ReadDeviceValues(ReadPacing::TenMsSteps);
        QCOMPARE(a.outcome, WaitOutcome::Answered);
        QCOMPARE(a.values, 4);
        QCOMPARE(f.comm.received_bytes_array, (Bytes{7, 0, 8, 1}));
        QCOMPARE(f.recorder.lines,
                 (QStringList{"num of bytes received: 4", "received_bytes_array size: 4",
                              "0:    07", "1:    00", "2:    08", "3:    01"}));
        QCOMPARE(f.pedal().available(), 0);
    }

    void answerInPiecesIsDecodedWhole() {
        DeviceFixture f;
        f.open();
        f.pedal().setPieces(16, 15);
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        const ValueAnswer a = f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82);
        QCOMPARE(a.outcome, WaitOutcome::Answered);
        QCOMPARE(a.values, 82);
        const QByteArray sent = f.pedal().firmware().deviceInfoValues();
        QCOMPARE(f.comm.received_bytes_array, Bytes(sent.begin(), sent.end()));
    }

    void staleBytesOfALongerAnswerAreNotDecoded() {
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage(oneDigitValues(10));
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        QCOMPARE(f.comm.ReadDeviceValues(ReadPacing::TenMsSteps).values, 10);
        f.pedal().setGarbage("7\r\n6\r\n5\r\n4\r\n");
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        QCOMPARE(f.comm.ReadDeviceValues(ReadPacing::TenMsSteps).values, 4);
        QCOMPARE(f.comm.received_bytes_array, (Bytes{7, 6, 5, 4}));
    }

    void shortAnswerReportsWhatArrived() {
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage(oneDigitValues(30));
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        const ValueAnswer a = f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82, 150);
        QCOMPARE(a.outcome, WaitOutcome::Answered);
        QCOMPARE(a.values, 30);
    }

    void waitExpiresWithoutAnswer() {
        DeviceFixture f;
        f.open();
        f.comm.received_bytes_array = {1, 2, 3};
        f.pedal().setSilent(true);
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        QElapsedTimer clock;
        clock.start();
        const ValueAnswer a = f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82, 120);
        QCOMPARE(a.outcome, WaitOutcome::TimedOut);
        QVERIFY(clock.elapsed() >= 120);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(f.comm.received_bytes_array, (Bytes{1, 2, 3}));
        QVERIFY(f.recorder.lines.isEmpty());
    }

    void lateAnswerWithinTheLimitArrives() {
        DeviceFixture f;
        f.open();
        f.pedal().setAnswerDelay(150);
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        QCOMPARE(f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82).values, 82);
    }

    void waitRunsPendingEvents() {
        DeviceFixture f;
        f.open();
        f.pedal().setAnswerDelay(100);
        bool fired = false;
        QTimer::singleShot(10, [&] { fired = true; });
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82);
        QVERIFY(fired);
    }

    void unplugDuringWaitAbandonsTheRead() {
        DeviceFixture f;
        f.open();
        f.comm.received_bytes_array = {1, 2, 3};
        f.pedal().setAnswerDelay(500);
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        f.sim.unplugAtCall(3);
        QCOMPARE(f.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82).outcome,
                 WaitOutcome::DeviceError);
        QVERIFY(!f.dialogs.messages.isEmpty());
        QVERIFY(f.dialogs.messages.first().startsWith("FT_GetQueueStatus"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.comm.received_bytes_array, (Bytes{1, 2, 3}));
    }

    void nonDigitAnswerRaisesTheConversionError() {
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage("7;\r\n");
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        try {
            f.comm.ReadDeviceValues(ReadPacing::TenMsSteps);
            QFAIL("decoded");
        } catch (const ConversionError& e) {
            QCOMPARE(e.text(), QStringLiteral("'7B' is not a valid integer value"));
        }
    }

    void eepromListingNumbersFromTheStartAddress() {
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage(oneDigitValues(10));
        f.comm.setEepromListing(std::pair{16380, 16383});
        f.comm.SendHexMessage(QStringLiteral("0C5000003FFF"), true);
        f.comm.ReadDeviceValues(ReadPacing::TenMsSteps);
        QCOMPARE(f.recorder.lines.mid(2),
                 (QStringList{"16380:    00", "16381:    01", "16382:    02", "16383:    03"}));
        f.recorder.lines.clear();
        f.comm.setEepromListing(std::pair{10, 9});
        f.comm.SendHexMessage(QStringLiteral("0C5000003FFF"), true);
        f.comm.ReadDeviceValues(ReadPacing::TenMsSteps);
        QCOMPARE(f.recorder.lines.size(), 2); // an end below the start lists nothing
    }

    void bootloaderReplyIsTheFirstByte() {
        DeviceFixture f;
        f.pedal().enterBootloader();
        f.open();
        f.comm.SendHexMessage(QStringLiteral("7F"), false);
        WaitOutcome outcome{};
        QCOMPARE(f.comm.ReadBootloaderReply(Communication::DefaultLimit, &outcome),
                 QStringLiteral("79"));
        QCOMPARE(outcome, WaitOutcome::Answered);
        QCOMPARE(f.recorder.lines, QStringList{"num of bytes received: 1"});
        f.comm.SendHexMessage(QStringLiteral("0001"), false); // a bad complement
        QCOMPARE(f.comm.ReadBootloaderReply(), QStringLiteral("1F"));
    }

    void pacerScalesThePauses() {
        QElapsedTimer clock;
        clock.start();
        Pacer(0.0).sleepMs(2000);
        Pacer(0.0).bytePause();
        QVERIFY(clock.elapsed() < 500);
        clock.restart();
        Pacer(1.0).sleepMs(40);
        QVERIFY(clock.elapsed() >= 40);
    }

    void bootloaderSilenceTimesOut() {
        DeviceFixture f;
        f.pedal().enterBootloader();
        f.pedal().setSilent(true);
        f.open();
        f.comm.SendHexMessage(QStringLiteral("7F"), false);
        WaitOutcome outcome{};
        QCOMPARE(f.comm.ReadBootloaderReply(80, &outcome), QString());
        QCOMPARE(outcome, WaitOutcome::TimedOut);
    }
};

QTEST_GUILESS_MAIN(TestCommunication)
#include "test_communication.moc"
