#include "EditorFixture.h"

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

    void beforeAnyEffectWasClicked() {
        EditorFixture f;
        f.connect();
        f.main().UploadCheckTimer->setInterval(40);
        f.click(f.main().btnUpload);
        QCOMPARE(f.pedal().writes(), QList<QByteArray>{Prefix});
        QCOMPARE(f.dialogs.messages, QStringList{"Resource  not found"});
        QVERIFY(f.main().UploadCheckTimer->isActive());
        QTRY_COMPARE(f.main().lblStatus->text(), QStringLiteral("Upload Failed"));
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

    void answerInTwoReads() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        f.pedal().setPieces(6, 100);
        f.log->lines.clear();
        f.click(f.main().btnUpload);
        QCOMPARE(f.log->lines.filter("received: "),
                 (QStringList{"received: ALGORI", "received: ALGORITHM OK"}));
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("ALGORITHM OK"));
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
        f.main().uploadAnswerLimitMs = 150;
        f.pedal().setSilent(true);
        f.click(f.main().btnUpload);
        QCOMPARE(f.main().lblStatus->text(), QStringLiteral("Upload Failed"));
        QCOMPARE(f.dialogs.messages, QStringList{"The pedal did not answer the upload."});
        QVERIFY(!f.main().UploadCheckTimer->isActive());
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
