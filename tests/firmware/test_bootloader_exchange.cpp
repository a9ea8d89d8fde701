#include "LogRecorder.h"
#include "RecordingPacer.h"
#include "ScriptedDialogs.h"
#include "SimD2xx.h"
#include "app/DiagnosticLog.h"
#include "device/PedalLink.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpgrade.h"

#include <QElapsedTimer>
#include <QTest>
#include <ctime>

namespace {

// The upgrade against the simulated pedal's bootloader, its port open, with
// pauses scaled to nothing but entered in the wire, and short reply limits.
struct UpgradeFixture {
    SimD2xx sim{SimulatedPedal::Mode::Bootloader};
    ScriptedDialogs dialogs;
    DiagnosticLog log;
    LogRecorder recorder{log};
    RecordingPacer pacer;
    PedalLink link{sim, dialogs, log, pacer};
    FirmwareUpgrade upgrade{link};

    UpgradeFixture() {
        pacer.onPause = [this](int ms) { sim.note(QStringLiteral("pause %1").arg(ms)); };
        link.comm().setAnswerTimeout(100);
        upgrade.exchange().setEraseLimitMs(100);
        link.unit().Open_USB_Device_By_Serial_Number(SimD2xx::DefaultSerial);
        sim.clearWire();
    }

    Bootloader& bootloader() { return sim.pedal().bootloader(); }
    // The bytes written, one entry per write, as two digits.
    QStringList writes() const {
        QStringList bytes;
        for (const QString& entry : sim.wire()) {
            if (entry.startsWith(QStringLiteral("write "))) {
                bytes << entry.mid(6);
            }
        }
        return bytes;
    }
};

QByteArray pattern(int n, int seed = 1) {
    QByteArray data;
    for (int i = 0; i < n; ++i) {
        data += char((i * 13 + seed * 7 + i / 256) & 0xFF);
    }
    return data;
}

QStringList hexBytes(const QByteArray& data) {
    QStringList bytes;
    for (const char c : data) {
        bytes << QString::fromLatin1(QByteArray(1, c).toHex().toUpper());
    }
    return bytes;
}

QString xorOf(std::uint8_t first, const QByteArray& data) {
    for (const char c : data) {
        first ^= std::uint8_t(c);
    }
    return QString::fromLatin1(QByteArray(1, char(first)).toHex().toUpper());
}

const QString Closing = QStringLiteral("Firmware Upgrade Complete, device will now restart");
const QString Again = QStringLiteral(" Press \"Upgrade Firmware\" to start again.");

} // namespace

class TestBootloaderExchange : public QObject {
    Q_OBJECT
private slots:
    void split_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("head");
        QTest::addColumn<int>("chunks");
        QTest::addColumn<int>("lastSize");
        QTest::newRow("53,840 bytes")
            << 53840 << QStringList{"num of chunks: 210", "num of bytes last chunk: 80"} << 211
            << 80;
        QTest::newRow("512 bytes")
            << 512 << QStringList{"num of chunks: 2", "num of bytes last chunk: 0"} << 2 << 256;
    }
    void split() {
        QFETCH(int, size);
        QFETCH(QStringList, head);
        QFETCH(int, chunks);
        QFETCH(int, lastSize);
        DiagnosticLog log;
        LogRecorder recorder(log);
        const QByteArray image = pattern(size);
        const std::vector<QByteArray> cut = SplitImage(image, log);
        QCOMPARE(int(cut.size()), chunks);
        QByteArray joined;
        for (const QByteArray& c : cut) {
            joined += c;
        }
        QCOMPARE(joined, image);
        QCOMPARE(cut.front().size(), 256);
        QCOMPARE(cut.back().size(), lastSize);
        QCOMPARE(recorder.lines.mid(0, 2), head);
        // Five lines a chunk; the last chunk's size line once more before it.
        QCOMPARE(recorder.lines.size(), 2 + 5 * chunks + 1);
        const int last = chunks - 1;
        QCOMPARE(
            recorder.lines.mid(2 + 5 * last, 7),
            (QStringList{head[1], QStringLiteral("chunk from string %1: ").arg(last),
                         QString::fromLatin1(cut.back().toHex().toUpper()),
                         QStringLiteral("chunk %1 size: %2").arg(last).arg(lastSize), "", ""}));
    }

    // Every line and its kind: the log follows these lines (true) or leaves
    // the view where it is (false).
    void splitLogLines() {
        DiagnosticLog log;
        LogRecorder recorder(log);
        const QByteArray image = pattern(300);
        SplitImage(image, log);
        const QString first = QString::fromLatin1(image.left(256).toHex().toUpper());
        const QString second = QString::fromLatin1(image.mid(256).toHex().toUpper());
        QCOMPARE(recorder.lines,
                 (QStringList{"num of chunks: 1", "num of bytes last chunk: 44",
                              "chunk from string 0: ", first, "chunk 0 size: 256", "", "",
                              "num of bytes last chunk: 44", "chunk from string 1: ", second,
                              "chunk 1 size: 44", "", ""}));
        QCOMPARE(recorder.scrolls, (QList<bool>{true, true, false, false, true, false, false, true,
                                                false, false, true, false, false}));
    }

    // What the greeting's reply means; the box only says whether it was ACK.
    void greeting_data() {
        QTest::addColumn<QString>("pedal");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("line");
        QTest::newRow("ACK") << "" << int(UpgradeFailure::None) << "received Byte: 79";
        QTest::newRow("NACK") << "nack" << int(UpgradeFailure::NotAck) << "received Byte: 1F";
        QTest::newRow("another byte")
            << "garbage" << int(UpgradeFailure::UnexpectedReply) << "received Byte: 5A";
        QTest::newRow("silence") << "silent" << int(UpgradeFailure::NoReply) << "received Byte: ";
        QTest::newRow("unplugged")
            << "unplug" << int(UpgradeFailure::ReadFailed) << "received Byte: ";
    }
    void greeting() {
        QFETCH(QString, pedal);
        QFETCH(int, failure);
        QFETCH(QString, line);
        UpgradeFixture f;
        if (pedal == "nack") {
            f.bootloader().nackAt(Bootloader::Step::Greeting);
        } else if (pedal == "garbage") {
            f.sim.pedal().setGarbage("\x5A");
        } else if (pedal == "silent") {
            f.sim.pedal().setSilent(true);
        } else if (pedal == "unplug") {
            f.sim.pedal().unplugAfterBytes(1);
        }
        const UpgradeResult result = f.upgrade.ConnectBootloader();
        QCOMPARE(result.step, UpgradeStep::Greeting);
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(f.recorder.lines.last(), line);
        QCOMPARE(f.dialogs.messages.last(),
                 failure == 0 ? QStringLiteral("Connection to bootloader succeeded, ready for "
                                               "firmware upgrade")
                              : QStringLiteral("Connection to bootloader failed"));
        QCOMPARE(f.writes(), QStringList{"7F"});
    }

    // A two-byte image: every write, pause and read of the whole upgrade, in
    // order, and every log line.
    void wholeExchangeOfATinyImage() {
        UpgradeFixture f;
        f.dialogs.onMessage = [&](const QString& text) { f.sim.note("box " + text); };
        const UpgradeResult result = f.upgrade.upgrade(QByteArray::fromHex("AABB"), 6);
        QVERIFY(result.completed());
        const QStringList reply{"read 1", "read 0", "purge 1"};
        QStringList expected;
        expected << "purge 1"
                 << "pause 1"
                 << "write 43"
                 << "pause 1"
                 << "write BC"
                 << "pause 20" << reply << "pause 1"
                 << "write FF"
                 << "pause 1"
                 << "write 00"
                 << "pause 20" << reply;
        const auto writeCommand = [&](const QStringList& address) {
            expected << "write 31"
                     << "pause 1"
                     << "write CE"
                     << "pause 1"
                     << "pause 20" << reply;
            for (const QString& a : address) {
                expected << "write " + a << "pause 1";
            }
            expected << "pause 20" << reply;
        };
        writeCommand({"08", "00", "00", "00", "08"});
        // The data bytes have the byte pause, which the wire does not show.
        expected << "write 01"
                 << "pause 1"
                 << "write AA"
                 << "write BB"
                 << "write 10"
                 << "pause 1" << reply;
        writeCommand({"08", "01", "FC", "00", "F5"});
        for (const char* b : {"07", "00", "00", "00", "00", "00", "00", "00", "06", "01"}) {
            expected << "write " + QString(b) << "pause 1";
        }
        expected << "pause 20" << reply << "pause 2000"
                 << "box " + Closing;
        expected << "write 21"
                 << "pause 1"
                 << "write DE"
                 << "pause 1"
                 << "pause 100" << reply;
        for (const char* b : {"08", "00", "00", "00", "08"}) {
            expected << "write " + QString(b) << "pause 1";
        }
        expected << "pause 100" << reply;
        QCOMPARE(f.sim.wire(), expected);
        QCOMPARE(f.pacer.bytePauses, 2);
        QCOMPARE(f.pacer.livePauses, QList<int>{2000});

        QStringList ack{"num of bytes received: 1", "received: 79", "ACK"};
        QStringList lines{"num of chunks: 0",
                          "num of bytes last chunk: 2",
                          "num of bytes last chunk: 2",
                          "chunk from string 0: ",
                          "AABB",
                          "chunk 0 size: 2",
                          "",
                          "",
                          "Start Erase Command"};
        lines << ack << ack << "Start Write Command"
              << "";
        const auto writeLines = [&](const QString& address, const QString& checksum) {
            lines << "SEND WRITE COMMAND" << ack << "SEND ADDRESS + CHECKSUM"
                  << "Address: " + address << "address checksum: " + checksum << ack;
        };
        writeLines("08000000", "08");
        lines << "SEND N BYTE + DATA + CHECKSUM"
              << "N_byte: 01"
              << "chunk size: 2"
              << "data checksum: 10" << ack << "";
        writeLines("0801FC00", "F5");
        lines << ack << ""
              << "SEND GO COMMAND" << ack << "SEND ADDRESS + CHECKSUM"
              << "Address: 08000000"
              << "address checksum: 08" << ack;
        QCOMPARE(f.recorder.lines, lines);
        QCOMPARE(f.dialogs.messages, QStringList{Closing});
    }

    void firstAndLastChunkOf53840Bytes() {
        UpgradeFixture f;
        const QByteArray image = pattern(53840);
        QVERIFY(f.upgrade.upgrade(image, 5).completed());
        const QStringList w = f.writes();
        // 4 erase bytes, then 265 bytes a full chunk.
        const QByteArray first = image.left(256);
        QCOMPARE(w.mid(4, 8), (QStringList{"31", "CE", "08", "00", "00", "00", "08", "FF"}));
        QCOMPARE(w.mid(12, 256), hexBytes(first));
        QCOMPARE(w[268], xorOf(0xFF, first));
        const int lastAt = 4 + 210 * 265;
        const QByteArray last = image.mid(210 * 256);
        QCOMPARE(last.size(), 80);
        QCOMPARE(w.mid(lastAt, 8), (QStringList{"31", "CE", "08", "00", "D2", "00", "DA", "4F"}));
        QCOMPARE(w.mid(lastAt + 8, 80), hexBytes(last));
        QCOMPARE(w[lastAt + 88], xorOf(0x4F, last));
        // Then the marker and Go, and nothing else.
        QCOMPARE(w.size(), lastAt + 89 + 17 + 7);
        QCOMPARE(f.pacer.bytePauses, 53840);
    }

    void versionMarker_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("checksum");
        QTest::newRow("5") << 5 << "02";
        QTest::newRow("6") << 6 << "01";
        QTest::newRow("7") << 7 << "00";
    }
    void versionMarker() {
        QFETCH(int, version);
        QFETCH(QString, checksum);
        UpgradeFixture f;
        QVERIFY(f.upgrade.upgrade(pattern(16), version).completed());
        const QStringList w = f.writes();
        const QString v = QStringLiteral("0%1").arg(version);
        QCOMPARE(w.mid(w.size() - 7 - 17, 17),
                 (QStringList{"31", "CE", "08", "01", "FC", "00", "F5", "07", "00", "00", "00",
                              "00", "00", "00", "00", v, checksum}));
        QCOMPARE(f.bootloader().flash().mid(0x1FC00, 9),
                 QByteArray(7, '\0') + char(version) + '\xFF');
    }

    void fullUpgradeOfABuiltInImage() {
        UpgradeFixture f;
        QList<QPair<int, int>> progress;
        connect(&f.upgrade, &FirmwareUpgrade::progressChanged, [&](int position, int maximum) {
            progress.append({position, maximum});
        });
        f.upgrade.FirmwareSelect(QStringLiteral("Firmware_7"));
        QCOMPARE(f.upgrade.SelectedImageVersion, 7);
        QVERIFY(f.upgrade.upgradeSelected().completed());
        QFile file(QStringLiteral(":/tarnwick/FIRMWARE_7"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray image = file.readAll();
        QCOMPARE(image.size(), 53700);
        QVERIFY(f.recorder.lines.contains("Firmware num of bytes: 53700"));
        const QByteArray& flash = f.bootloader().flash();
        QCOMPARE(flash.left(53700), image);
        QCOMPARE(flash.mid(53700, 0x1FC00 - 53700), QByteArray(0x1FC00 - 53700, '\xFF'));
        QCOMPARE(flash.mid(0x1FC00), QByteArray(7, '\0') + '\x07' + QByteArray(1016, '\xFF'));
        QCOMPARE(f.bootloader().eraseCount(), 1);
        // Go started the new firmware, which reports the marker's version.
        QCOMPARE(f.sim.pedal().mode(), SimulatedPedal::Mode::Firmware);
        QCOMPARE(f.sim.pedal().settings().firmwareVersion, std::uint8_t(7));
        QCOMPARE(progress.size(), 210);
        QCOMPARE(progress.front(), qMakePair(0, 210));
        QCOMPARE(progress.back(), qMakePair(209, 210));
        QCOMPARE(f.dialogs.messages, QStringList{Closing});
    }

    // A three-chunk image of 256, 256 and 88 bytes: 4 erase bytes, 265, 265
    // and 97 chunk bytes, 17 marker bytes, 7 Go bytes.
    void stops_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("written");
        QTest::addColumn<QStringList>("boxes");
        const auto row = [](const char* name, const QString& fault, UpgradeStep step,
                            UpgradeFailure failure, int written, const QStringList& boxes) {
            QTest::newRow(name) << fault << int(step) << int(failure) << written << boxes;
        };
        const QString erase = "Firmware upgrade stopped at the erase: ";
        const QString marker = "Firmware upgrade stopped at the version marker: ";
        const QString go = "Firmware upgrade stopped at the Go command: ";
        const QString nack = "the bootloader answered NOT ACK.";
        const QString silent = "the pedal did not answer.";
        const QString unwritten = "a byte could not be written to the pedal.";
        const QString writeBox = "FT_Write - General IO error...";
        row("erase command NACK", "nack command 1", UpgradeStep::Erase, UpgradeFailure::NotAck, 2,
            {erase + nack + Again});
        row("global erase silent", "silence erase 1", UpgradeStep::Erase, UpgradeFailure::NoReply,
            4, {erase + silent + Again});
        row("erase answered 5A", "garbage", UpgradeStep::Erase, UpgradeFailure::UnexpectedReply, 2,
            {erase + "the bootloader answered 5A instead of ACK." + Again});
        row("unplugged in the erase", "unplug 1", UpgradeStep::Erase, UpgradeFailure::WriteFailed,
            1, {writeBox, erase + unwritten + Again});
        row("unplugged before a reply", "unplug 2", UpgradeStep::Erase, UpgradeFailure::ReadFailed,
            2,
            {"FT_GetQueueStatus - General IO error...",
             erase + "the pedal's answer could not be read." + Again});
        row("chunk address NACK", "nack address 2", UpgradeStep::WriteChunk, UpgradeFailure::NotAck,
            4 + 265 + 7,
            {"Firmware upgrade stopped at chunk 2 of 3 (address 08000100): " + nack + Again});
        row("chunk data silent", "silence data 3", UpgradeStep::WriteChunk, UpgradeFailure::NoReply,
            4 + 265 + 265 + 97,
            {"Firmware upgrade stopped at chunk 3 of 3 (address 08000200): " + silent + Again});
        row("unplugged mid-chunk", "unplug 377", UpgradeStep::WriteChunk,
            UpgradeFailure::WriteFailed, 377,
            {writeBox,
             "Firmware upgrade stopped at chunk 2 of 3 (address 08000100): " + unwritten + Again});
        row("marker NACK", "nack data 4", UpgradeStep::VersionMarker, UpgradeFailure::NotAck, 648,
            {marker + nack + Again});
        row("marker command silent", "silence command 5", UpgradeStep::VersionMarker,
            UpgradeFailure::NoReply, 633, {marker + silent + Again});
        row("unplugged in the marker", "unplug 642", UpgradeStep::VersionMarker,
            UpgradeFailure::WriteFailed, 642, {writeBox, marker + unwritten + Again});
        // Go follows the closing message.
        row("Go NACK", "nack command 6", UpgradeStep::Go, UpgradeFailure::NotAck, 650,
            {Closing, go + nack + Again});
        row("Go address silent", "silence address 5", UpgradeStep::Go, UpgradeFailure::NoReply, 655,
            {Closing, go + silent + Again});
        row("unplugged in Go", "unplug 651", UpgradeStep::Go, UpgradeFailure::WriteFailed, 651,
            {Closing, writeBox, go + unwritten + Again});
    }
    void stops() {
        QFETCH(QString, fault);
        QFETCH(int, step);
        QFETCH(int, failure);
        QFETCH(int, written);
        QFETCH(QStringList, boxes);
        UpgradeFixture f;
        const QStringList words = fault.split(' ');
        const QMap<QString, Bootloader::Step> steps{{"command", Bootloader::Step::Command},
                                                    {"address", Bootloader::Step::Address},
                                                    {"data", Bootloader::Step::Data},
                                                    {"erase", Bootloader::Step::Erase}};
        if (words[0] == "unplug") {
            f.sim.pedal().unplugAfterBytes(words[1].toInt());
        } else if (words[0] == "garbage") {
            f.sim.pedal().setGarbage("\x5A");
        } else {
            f.bootloader().failAt(steps.value(words[1]), words[2].toInt(),
                                  words[0] == "nack" ? Bootloader::Fault::Nack
                                                     : Bootloader::Fault::Silence);
        }
        const UpgradeResult result = f.upgrade.upgrade(pattern(600), 7);
        QCOMPARE(int(result.step), step);
        QCOMPARE(int(result.failure), failure);
        // Nothing more went out after the step that failed.
        QCOMPARE(f.writes().size(), written);
        QCOMPARE(f.dialogs.messages, boxes);
        if (result.failure == UpgradeFailure::NotAck) {
            QCOMPARE(f.recorder.lines.mid(f.recorder.lines.size() - 2),
                     (QStringList{"received: 1F", "NOT ACK"}));
        }
        // The pedal is free again.
        QVERIFY(!f.link.refuseWhileWaiting());
    }

    void imagesRefusedBeforeAnythingIsSent_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("box");
        const QString tooLarge = "Firmware upgrade stopped before sending anything: the image of "
                                 "%1 bytes would reach the version marker (at most 130048 bytes "
                                 "fit). Nothing was sent to the pedal.";
        QTest::newRow("empty") << 0
                               << "Firmware upgrade stopped before sending anything: the image "
                                  "is empty. Nothing was sent to the pedal.";
        QTest::newRow("one byte into the marker") << 130049 << tooLarge.arg(130049);
        QTest::newRow("more than 512 chunks") << 131073 << tooLarge.arg(131073);
    }
    void imagesRefusedBeforeAnythingIsSent() {
        QFETCH(int, size);
        QFETCH(QString, box);
        UpgradeFixture f;
        const UpgradeResult result = f.upgrade.upgrade(pattern(size), 7);
        QCOMPARE(result.step, UpgradeStep::Split);
        QVERIFY(f.sim.wire().isEmpty());
        QVERIFY(f.recorder.lines.isEmpty());
        QCOMPARE(f.dialogs.messages, QStringList{box});
    }

    void largestImageIsSent() {
        UpgradeFixture f;
        f.bootloader().nackAt(Bootloader::Step::Command);
        const UpgradeResult result = f.upgrade.upgrade(pattern(130048), 7);
        QCOMPARE(result.step, UpgradeStep::Erase);
        QCOMPARE(f.writes(), (QStringList{"43", "BC"}));
    }

    void missingImage() {
        UpgradeFixture f;
        f.upgrade.FirmwareSelect(QStringLiteral("Firmware_9"));
        const UpgradeResult result = f.upgrade.upgradeSelected();
        QCOMPARE(result.step, UpgradeStep::Load);
        QCOMPARE(f.dialogs.messages, QStringList{"Firmware upgrade stopped loading the image "
                                                 "Firmware_9: there is no such image. Nothing was "
                                                 "sent to the pedal."});
        QVERIFY(f.sim.wire().isEmpty());
    }

    // A reply that came before the upgrade is not taken for the erase's.
    void staleReplyIsDropped() {
        UpgradeFixture f;
        f.sim.pedal().receive(QByteArray::fromHex("0100"));
        QCOMPARE(f.sim.pedal().available(), 1);
        QVERIFY(f.upgrade.upgrade(pattern(16), 7).completed());
    }

    void startsAgainFromTheErase() {
        UpgradeFixture f;
        f.bootloader().nackAt(Bootloader::Step::Data, 2);
        const QByteArray image = pattern(1000);
        QCOMPARE(f.upgrade.upgrade(image, 6).chunk, 1);
        f.sim.clearWire();
        QVERIFY(f.upgrade.upgrade(image, 6).completed());
        QCOMPARE(f.writes().mid(0, 4), (QStringList{"43", "BC", "FF", "00"}));
        QCOMPARE(f.bootloader().eraseCount(), 2);
        QCOMPARE(f.bootloader().flash().left(1000), image);
        QCOMPARE(f.dialogs.messages.last(), Closing);
    }

    // The global erase happens before its reply: its wait is far longer
    // than that of any other reply.
    void eraseWaitsLonger() {
        UpgradeFixture f;
        QCOMPARE(FirmwareUpgrade(f.link).exchange().eraseLimitMs(), 60000);
        f.upgrade.exchange().setEraseLimitMs(2000);
        // From the global erase's second byte on, every reply takes 300 ms:
        // the erase's is still in time, the next command's is not.
        f.pacer.onPause = [&](int) {
            if (f.pacer.pauses.size() == 4) {
                f.sim.pedal().setAnswerDelay(300);
            }
        };
        const UpgradeResult result = f.upgrade.upgrade(pattern(16), 7);
        QCOMPARE(result.step, UpgradeStep::WriteChunk);
        QCOMPARE(result.failure, UpgradeFailure::NoReply);
        QCOMPARE(f.writes(), (QStringList{"43", "BC", "FF", "00", "31", "CE"}));
    }

    // Half a millisecond after each data byte. At full scale the pauses last
    // at least that long together, and not some milliseconds each.
    // A long pause lasts its length asleep: it does not spin a core.
    void longPauseSleeps() {
#ifdef Q_OS_UNIX
        Pacer pacer;
        timespec start{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        QElapsedTimer wall;
        wall.start();
        pacer.sleepMs(300);
        const qint64 elapsed = wall.elapsed();
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        const double cpuMs =
            (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
        QVERIFY(elapsed >= 300);
        QVERIFY2(cpuMs < 0.25 * elapsed, qPrintable(QStringLiteral("%1 ms busy").arg(cpuMs)));
#else
        QSKIP("measures the thread's time with POSIX clocks");
#endif
    }

    void bytePauseLength() {
        QCOMPARE(Pacer::BytePauseUs, 500);
        Pacer pacer;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 200; ++i) {
            pacer.bytePause();
        }
        const qint64 us = clock.nsecsElapsed() / 1000;
        QVERIFY2(us >= 100000 && us < 1000000, qPrintable(QString::number(us)));
    }
};

QTEST_GUILESS_MAIN(TestBootloaderExchange)
#include "test_bootloader_exchange.moc"
