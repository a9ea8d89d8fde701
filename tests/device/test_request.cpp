#include "EditorFixture.h"
#include "MainWindowState.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#ifdef Q_OS_UNIX
#include <time.h>
#endif

namespace {
QString afterRequest() {
    return QStringLiteral("1111111100100");
}
QString afterConnect() {
    return QStringLiteral("1100000000100");
}
} // namespace

class TestRequest : public QObject {
    Q_OBJECT
private slots:
    void firmwareVersions_data() {
        QTest::addColumn<int>("versionByte");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("boxes");
        const QString six = "A firmware upgrade is required to use the new features. Please "
                            "upgrade to Firmware 6";
        const QString seven = "A firmware upgrade is required. Please upgrade to Firmware 7";
        QTest::newRow("5") << 0x05 << "Firmware Version: 05" << QStringList{six, seven};
        QTest::newRow("6") << 0x06 << "Firmware Version: 06" << QStringList{seven};
        QTest::newRow("7") << 0x07 << "Firmware Version: 07" << QStringList{};
        // The byte is read as two decimal digits: 0x10 is version 10.
        QTest::newRow("10") << 0x10 << "Firmware Version: 10" << QStringList{seven};
    }
    void firmwareVersions() {
        QFETCH(int, versionByte);
        QFETCH(QString, label);
        QFETCH(QStringList, boxes);
        EditorFixture f;
        f.pedal().settings().firmwareVersion = std::uint8_t(versionByte);
        f.connect();
        f.log->lines.clear();
        f.request();
        QCOMPARE(f.pedal().writes().value(0), QByteArray::fromHex("0200"));
        QCOMPARE(f.main().lblFirmwareVersion->text(), label);
        QCOMPARE(f.dialogs.messages, boxes);
        QVERIFY(f.log->lines.contains(label));
        QVERIFY(f.log->lines.contains("Algorithm version: 0008"));
        QVERIFY(f.log->lines.contains("Effect Number: 01"));
        QCOMPARE(f.log->lines.indexOf(label) + 1, f.log->lines.indexOf("Algorithm version: 0008"));
        QCOMPARE(f.log->lines.value(0), QStringLiteral("num of bytes received: 82"));
        QCOMPARE(commandStates(f.main()), afterRequest());
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    // Both queues are emptied, "0200" goes out, the pause lets the answer
    // arrive whole, the reads come 10 ms apart (back to back in upgrade
    // mode), and what is left is purged. The values the window then shows
    // go back as writes to the DSP.
    void requestOnTheWire_data() {
        QTest::addColumn<bool>("upgradeMode");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("normal") << false
                                << QStringList{"purge 1",  "purge 2", "write 0200", "pause 200",
                                               "purge 2",  "read N",  "pause 10",   "read 0",
                                               "pause 10", "purge 1"};
        QTest::newRow("upgrade mode")
            << true << QStringList{"purge 1", "purge 2", "write 0200", "pause 200",
                                   "purge 2", "read N",  "read 0",     "purge 1"};
    }
    void requestOnTheWire() {
        QFETCH(bool, upgradeMode);
        QFETCH(QStringList, wire);
        EditorFixture f;
        if (upgradeMode) {
            f.trigger(f.main().menuFirmwareUpgradeMode);
        }
        f.connect();
        f.sim->clearWire();
        f.request();
        const QByteArray answer =
            PedalFirmware::encodeValues(f.pedal().firmware().deviceInfoValues());
        wire.replaceInStrings("read N", QStringLiteral("read %1").arg(answer.size()));
        QCOMPARE(f.sim->wire().mid(0, wire.size()), wire);
        for (const QString& entry : f.sim->wire().mid(wire.size())) {
            QVERIFY2(entry.startsWith("write 01") && entry.size() == 6 + 14, qPrintable(entry));
        }
    }

    // An answer left over from an earlier exchange is not taken for this one.
    void staleAnswerIsPurgedBeforeTheRequest() {
        EditorFixture f;
        f.pedal().settings().firmwareVersion = 5;
        f.connect();
        DWORD written = 0;
        f.sim->FT_Write(f.editor->link().unit().Handle(), "\x02\x00", 2, &written);
        f.pedal().settings().firmwareVersion = 7;
        f.request();
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Firmware Version: 07"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void readbackInProgressDuringTheRequest() {
        EditorFixture f;
        f.connect();
        bool during = false;
        QObject::connect(&f.editor->link(), &PedalLink::settingsAnswered,
                         [&] { during = f.editor->state().ReadbackInProgress; });
        f.request();
        QVERIFY(during);
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    void shortAnswerIsRefused() {
        EditorFixture f;
        f.connect();
        QByteArray thirty;
        for (int i = 0; i < 30; ++i) {
            thirty += "7\r\n";
        }
        f.pedal().setGarbage(thirty);
        bool readBack = false;
        QObject::connect(&f.editor->link(), &PedalLink::settingsAnswered, [&] { readBack = true; });
        f.request();
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Incomplete answer from the pedal: 30 values received, 82 expected."});
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Device Firmware Version: "));
        QVERIFY(!readBack);
        QCOMPARE(commandStates(f.main()), afterConnect());
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    // The wait ends at the editor's limit: 5 s, shortened for tests.
    void silentPedalIsReported() {
        QCOMPARE(Communication::AnswerTimeoutMs, 5000);
        EditorFixture f;
        f.connect();
        f.pedal().setSilent(true);
        QElapsedTimer clock;
        clock.start();
        f.request();
        QVERIFY(clock.elapsed() >= EditorFixture::AnswerLimitMs);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(f.dialogs.messages, QStringList{"The pedal did not answer."});
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Device Firmware Version: "));
        QCOMPARE(commandStates(f.main()), afterConnect());
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    // A driver failure during the wait or in the middle of the answer stops
    // the command: nothing is decoded, nothing shown, nothing enabled.
    void driverFailureStopsTheRequest_data() {
        QTest::addColumn<int>("failingCall");
        QTest::addColumn<QString>("box");
        // Purge, purge and write come first; then the wait looks at the
        // queue, the transmit queue is purged, and the read looks again and
        // reads.
        QTest::newRow("queue query in the wait") << 4 << "FT_GetQueueStatus - General IO error...";
        QTest::newRow("read in the answer") << 7 << "FT_Read - General IO error...";
    }
    void driverFailureStopsTheRequest() {
        QFETCH(int, failingCall);
        QFETCH(QString, box);
        EditorFixture f;
        f.connect();
        f.sim->unplugAtCall(failingCall);
        bool readBack = false;
        QObject::connect(&f.editor->link(), &PedalLink::settingsAnswered, [&] { readBack = true; });
        f.request();
        QCOMPARE(f.dialogs.messages.value(0), box);
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Device Firmware Version: "));
        QVERIFY(!readBack);
        QCOMPARE(commandStates(f.main()), afterConnect());
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    void versionByteWithAHexDigit() {
        EditorFixture f;
        f.pedal().settings().firmwareVersion = 0x0A;
        f.connect();
        f.request();
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Firmware Version: 0A"));
        QCOMPARE(f.dialogs.messages, QStringList{"'0A' is not a valid integer value"});
        QCOMPARE(commandStates(f.main()), afterConnect());
        QVERIFY(!f.editor->state().ReadbackInProgress);
    }

    void otherCommandsAreRefusedWhileWaiting() {
        EditorFixture f;
        f.connect();
        f.pedal().setAnswerDelay(150);
        QTimer::singleShot(30, [&] {
            f.request();
            f.trigger(f.main().menuDisconnect);
        });
        f.request();
        const QString refusal =
            "The pedal is still answering another command. Please try again when it has finished.";
        QCOMPARE(f.dialogs.messages, (QStringList{refusal, refusal}));
        QCOMPARE(f.pedal().writes().value(0), QByteArray::fromHex("0200"));
        QCOMPARE(f.pedal().writes().count(QByteArray::fromHex("0200")), 1);
        QCOMPARE(commandStates(f.main()), afterRequest());
        QVERIFY(f.sim->isOpen());
    }

    // Waiting for a silent pedal keeps the window responsive without
    // spinning: at most 1 % of one core.
    void waitingCostsLittleTime() {
#ifdef Q_OS_UNIX
        EditorFixture f;
        f.connect();
        f.pedal().setSilent(true);
        f.editor->link().comm().setAnswerTimeout(1500);
        // The windows' first painting is not part of the wait.
        QTest::qWait(100);
        timespec start{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        QElapsedTimer wall;
        wall.start();
        f.request();
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        const double cpuMs =
            (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
        const double share = cpuMs / double(wall.elapsed());
        QCOMPARE(f.dialogs.messages, QStringList{"The pedal did not answer."});
        QVERIFY(wall.elapsed() >= 1500);
#ifdef TARNWICK_SANITIZED
        const double limit = 0.05; // the sanitizers' own cost on every event
#else
        const double limit = 0.01;
#endif
        QVERIFY2(share < limit, qPrintable(QStringLiteral("%1 % of a core").arg(100 * share)));
#else
        QSKIP("measures the thread's time with POSIX clocks");
#endif
    }

    void algorithmVersionOtherThanListedIsLogged() {
        EditorFixture f;
        f.pedal().settings().algorithmVersion = 7;
        f.connect();
        f.request();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.log->lines.last(),
                 QStringLiteral("Upload latest version of Tarnwick ZQ7 algorithm. Please upload "
                                "Algorithm 8"));
    }
};

QTEST_MAIN(TestRequest)
#include "test_request.moc"
