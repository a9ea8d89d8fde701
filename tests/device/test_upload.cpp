#include "EditorFixture.h"

#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

namespace {
const QByteArray Prefix = QByteArray::fromHex("0d00");
}

class TestUpload : public QObject {
    Q_OBJECT
private slots:
    void uploadOnYes() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.pedal().clearWrites();
        f.log->lines.clear();
        f.click(f.main().btnUpload);
        QCOMPARE(f.dialogs.confirmations, QStringList{"Upload the selected algorithm?"});
        const QList<QByteArray>& writes = f.pedal().writes();
        QCOMPARE(writes.size(), 2);
        QCOMPARE(writes[0], Prefix);
        QCOMPARE(writes[1].size(), 4640);
        QVERIFY(writes[1].startsWith(QByteArray::fromHex("00122000 0b")));
        const QStringList& lines = f.log->lines;
        QCOMPARE(lines.value(0), QStringLiteral("resource name: Tarnwick_ZQ7_0008"));
        QCOMPARE(lines.value(1), QStringLiteral("size: 4640"));
        QCOMPARE(lines.value(2),
                 "filecontent: " + QString::fromLatin1(writes[1].toHex().toUpper()));
        QCOMPARE(lines.value(3), QStringLiteral("num of bytes: 4640"));
        QCOMPARE(lines.value(4), QStringLiteral("write to device"));
        QCOMPARE(lines.value(5), QStringLiteral("received: ALGORITHM OK"));
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("ALGORITHM OK"));
        QVERIFY(!f.main().UploadCheckTimer->isActive());
        QCOMPARE(f.pedal().settings().algorithmImage, writes[1]);
        // No purge, the prefix, its pause, the image in one write, the answer.
        QCOMPARE(f.sim->wire().mid(f.sim->wire().indexOf("write 0D00")),
                 (QStringList{"write 0D00", "pause 400",
                              "write " + QString::fromLatin1(writes[1].toHex().toUpper()),
                              "read 12", "read 0"}));
    }

    void noSendsNothing() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.pedal().clearWrites();
        f.log->lines.clear();
        f.dialogs.answers.enqueue(false);
        f.click(f.main().btnUpload);
        QVERIFY(f.pedal().writes().isEmpty());
        QVERIFY(f.log->lines.isEmpty());
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("Status: "));
        QVERIFY(!f.main().UploadCheckTimer->isActive());
    }

    // The image is found and checked before anything is sent, so the pedal
    // never waits for an image that does not come.
    void refusedImageSendsNothing_data() {
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("message");
        QTest::newRow("no effect clicked") << ""
                                           << "Resource  not found";
        QTest::newRow("no such resource") << "Tarnwick ZQ7 0009"
                                          << "Resource Tarnwick_ZQ7_0009 not found";
        QTest::newRow("not hexadecimal text")
            << "OCTAVE"
            << "The algorithm image OCTAVE is not an even number of hexadecimal digits; nothing "
               "was sent";
    }
    void refusedImageSendsNothing() {
        QFETCH(QString, effect);
        QFETCH(QString, message);
        EditorFixture f;
        f.connect();
        f.pedal().clearWrites();
        f.editor->state().SelectedEffectName = effect;
        f.click(f.main().btnUpload);
        QCOMPARE(f.dialogs.messages, QStringList{message});
        QVERIFY(f.pedal().writes().isEmpty());
        QVERIFY(!f.main().UploadCheckTimer->isActive());
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("Status: "));
        // The pedal takes the next live change as one, not as an image.
        f.clickEffect();
        f.editor->fxSettings().dialClipWave->setAngle(0);
        QCOMPARE(f.pedal().firmware().parameterWord(12), 0x6A8000u);
    }

    void labelShowsOnlyTheAnswerThatArrived_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("label");
        // After the longer answer of the first upload, still in the buffer.
        QTest::newRow("two characters") << QByteArray("OK") << "OK";
        QTest::newRow("seventeen of a longer one")
            << QByteArray("0123456789ABCDEFGHIJ") << "0123456789ABCDEFG";
        QTest::newRow("8-bit") << QByteArray("caf\xE9") << QString::fromUtf8("café");
    }
    void labelShowsOnlyTheAnswerThatArrived() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, label);
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.click(f.main().btnUpload);
        f.pedal().setGarbage(answer);
        f.click(f.main().btnUpload);
        QCOMPARE(f.main().lblStatus->text(), label);
    }

    // With real pauses: pieces that follow each other closely are one
    // answer; a longer silence ends it.
    void answerInPieces_data() {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<QString>("label");
        QTest::newRow("2 ms apart") << 2 << "ALGORITHM OK";
        // Far apart, so that a loaded machine does not join them.
        QTest::newRow("200 ms apart") << 200 << "ALGORI";
    }
    void answerInPieces() {
        QFETCH(int, gapMs);
        QFETCH(QString, label);
        EditorFixture f({}, {}, 1.0);
        f.connect();
        f.clickEffect();
        f.pedal().setPieces(6, gapMs);
        f.log->lines.clear();
        f.click(f.main().btnUpload);
        QCOMPARE(f.log->lines.filter("received: ").last(), "received: " + label);
        QCOMPARE(f.main().lblStatus->text(), label);
    }

    // The command lasts its 400 ms pause and little more: once the answer
    // has come, no other command is kept waiting. (The quiet window itself
    // is pinned by the pieces above; the margin here is for a loaded
    // machine.)
    void uploadLastsItsPause() {
        EditorFixture f({}, {}, 1.0);
        f.connect();
        f.clickEffect();
        QElapsedTimer clock;
        qint64 written = -1;
        QObject::connect(&f.editor->log(), &DiagnosticLog::lineAdded, [&](const QString& line) {
            if (line == "write to device") {
                written = clock.elapsed();
            }
        });
        clock.start();
        f.click(f.main().btnUpload);
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("ALGORITHM OK"));
        QVERIFY2(written >= 400, qPrintable(QString::number(written)));
        QVERIFY2(elapsed - written < 100, qPrintable(QString::number(elapsed - written)));
    }

    void answerAfterTheWatchdog() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.main().UploadCheckTimer->setInterval(50);
        f.pedal().setAnswerDelay(200);
        QString duringWait;
        QTimer::singleShot(120, [&] { duringWait = f.main().lblStatus->text(); });
        f.click(f.main().btnUpload);
        QCOMPARE(duringWait, QStringLiteral("Upload Failed"));
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("ALGORITHM OK"));
        QVERIFY(!f.main().UploadCheckTimer->isActive());
    }

    void silentPedalEndsTheWait() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.main().UploadCheckTimer->setInterval(30);
        f.editor->upload().setAnswerLimitMs(150);
        f.pedal().setSilent(true);
        f.click(f.main().btnUpload);
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("Upload Failed"));
        QCOMPARE(f.dialogs.messages, QStringList{"The pedal did not answer the upload."});
        QVERIFY(!f.main().UploadCheckTimer->isActive());
    }

    // While the upload waits for its answer no other exchange starts, and a
    // moved control returns to the value the pedal has.
    void otherCommandsAreRefusedWhileTheUploadWaits() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        TformFXsettings& fx = f.editor->fxSettings();
        f.pedal().clearWrites();
        f.pedal().setAnswerDelay(150);
        QTimer::singleShot(30, [&] {
            f.request();
            f.click(f.main().btnUpload);
            fx.dialInputLevel->setAngle(0);
        });
        f.click(f.main().btnUpload);
        const QString refusal =
            "The pedal is still answering another command. Please try again when it has finished.";
        QCOMPARE(f.dialogs.messages, (QStringList{refusal, refusal, refusal}));
        QCOMPARE(f.pedal().writes().size(), 2);
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("ALGORITHM OK"));
        QCOMPARE(fx.dialInputLevel->angle(), -135);
        QCOMPARE(f.main().lblFirmwareVersion->text(), QStringLiteral("Device Firmware Version: "));
    }

    void unplugDuringTheWait() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.pedal().setAnswerDelay(100);
        f.pedal().unplugOnMessage(0x00);
        f.click(f.main().btnUpload);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith("FT_GetQueueStatus"));
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("Uploading..."));
        QVERIFY(f.main().UploadCheckTimer->isActive());
    }
};

QTEST_MAIN(TestUpload)
#include "test_upload.moc"
