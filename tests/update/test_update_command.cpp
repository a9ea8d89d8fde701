#include "UpdateFixture.h"
#include "update/TformNewVersionMsg.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

// "Update Now" against a real server on 127.0.0.1: the updater brought up to
// date, the starts handed to the system shell with their exact arguments, and
// the editor ending after the hand-over.
class TestUpdateCommand : public QObject {
    Q_OBJECT

    static constexpr const char* VersionPath = "/download/update/Tarnwick_Win_Updater_Version.php";
    static constexpr const char* UpdaterPath = "/download/update/Tarnwick_Win_Updater.exe";
    static constexpr const char* Question = "This action will update the Tarnwick Editor to the "
                                            "latest version. Do you want to continue?";
    static constexpr const char* Downloaded =
        "box New updater downloaded! Click OK to proceed with the update.";
    static constexpr const char* Start = "start Tarnwick_Win_Updater.exe";

    // A program file whose version record says major.minor.
    static QByteArray updaterProgram(int major, int minor) {
        QByteArray record("\xBD\x04\xEF\xFE\x00\x00\x01\x00", 8);
        for (int half : {minor, major, 0, 0}) {
            record += char(half & 0xFF);
            record += char(half >> 8);
        }
        return QByteArray("MZ") + QByteArray(200, '\x90') + record + QByteArray(64, '\0');
    }
    static const QByteArray& newUpdater() {
        static const QByteArray bytes = updaterProgram(1, 3) + QByteArray(200000, 'n');
        return bytes;
    }

    static QString updater(UpdateFixture& f) { return f.program() + "/Tarnwick_Win_Updater.exe"; }
    static QString download(UpdateFixture& f) {
        return f.program() + "/Tarnwick_Win_Updater_Update.exe";
    }
    // The start that hands over: the updater with the two paths.
    static QStringList handOver(UpdateFixture& f) {
        return {updater(f), f.temp() + "/Tarnwick_Editor_Update.exe", f.editorFile()};
    }

    static void update(UpdateFixture& f) {
        f.main().menuUpdateNow->setEnabled(true);
        f.main().menuUpdateNow->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f.editor->updates().handOver.running(), 10000);
    }
    static bool editorEnded(UpdateFixture& f) { return !f.main().isVisible(); }

    static void startWithoutCheck(UpdateFixture& f) {
        f.start();
        f.main().TimerCheckWebVersion->stop();
    }

private slots:
    void init() { qunsetenv("TARNWICK_WEB_BASE"); }

    void handOver_data() {
        QTest::addColumn<int>("localUpdater"); // major * 100 + minor; 0: none, -1: no record
        QTest::addColumn<int>("versionStatus");
        QTest::addColumn<QByteArray>("serverVersion");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("downloads");
        QTest::addColumn<QStringList>("events");
        const QString found = "New version of the updater found on server, downloading the new "
                              "updater...";
        QTest::newRow("local 1.2, server 1.3: download, start, hand over")
            << 102 << 200 << QByteArray("1.3")
            << QStringList{"updater version on server: 1.3",
                           "local updater exists, check version...",
                           "currentUpdaterVersion: 1.2",
                           "13",
                           "12",
                           found}
            << true << QStringList{Downloaded, Start, Start};
        QTest::newRow("local 1.2, server 1.2: hand over only")
            << 102 << 200 << QByteArray("1.2")
            << QStringList{"updater version on server: 1.2",
                           "local updater exists, check version...", "currentUpdaterVersion: 1.2",
                           "12", "12"}
            << false << QStringList{Start};
        QTest::newRow("local 1.3, server 1.2: hand over only")
            << 103 << 200 << QByteArray("1.2")
            << QStringList{"updater version on server: 1.2",
                           "local updater exists, check version...", "currentUpdaterVersion: 1.3",
                           "12", "13"}
            << false << QStringList{Start};
        QTest::newRow("no local updater: download without comparing")
            << 0 << 200 << QByteArray("1.3")
            << QStringList{"updater version on server: 1.3",
                           "Local updater not found, proceed with download..."}
            << true << QStringList{Downloaded, Start, Start};
        QTest::newRow("no local updater, version request failed: download all the same")
            << 0 << 500 << QByteArray("1.3")
            << QStringList{"Local updater not found, proceed with download..."} << true
            << QStringList{"box Error: Internal Server Error", Downloaded, Start, Start};
        QTest::newRow("local 1.65, server 2.0: versions, not digits")
            << 165 << 200 << QByteArray("2.0")
            << QStringList{"updater version on server: 2.0",
                           "local updater exists, check version...",
                           "currentUpdaterVersion: 1.65",
                           "20",
                           "165",
                           found}
            << true << QStringList{Downloaded, Start, Start};
        QTest::newRow("local 1.9, server 1.10 and a line end")
            << 109 << 200 << QByteArray("1.10\n")
            << QStringList{"updater version on server: 1.10\n",
                           "local updater exists, check version...",
                           "currentUpdaterVersion: 1.9",
                           "110\n",
                           "19",
                           found}
            << true << QStringList{Downloaded, Start, Start};
        QTest::newRow("local updater without a version: taken as the newest")
            << -1 << 200 << QByteArray("1.3")
            << QStringList{"updater version on server: 1.3",
                           "local updater exists, check version...",
                           "currentUpdaterVersion: 65535.65535", "13", "6553565535"}
            << false << QStringList{Start};
    }
    void handOver() {
        QFETCH(int, localUpdater);
        QFETCH(int, versionStatus);
        QFETCH(QByteArray, serverVersion);
        QFETCH(QStringList, log);
        QFETCH(bool, downloads);
        QFETCH(QStringList, events);
        UpdateFixture f;
        f.server.route(VersionPath,
                       {versionStatus, versionStatus == 200 ? "OK" : "Internal Server Error",
                        serverVersion, "text/plain"});
        f.server.answer(UpdaterPath, newUpdater());
        const QByteArray local = localUpdater < 0
                                     ? QByteArray("MZ no record")
                                     : updaterProgram(localUpdater / 100, localUpdater % 100);
        if (localUpdater != 0) {
            UpdateFixture::write(updater(f), local);
        }
        startWithoutCheck(f);
        update(f);
        QCOMPARE(f.dialogs.confirmations, QStringList{Question});
        QCOMPARE(f.log->lines, log);
        QCOMPARE(f.events, events);
        QList<QStringList> starts;
        if (downloads) {
            starts << QStringList{updater(f)};
        }
        starts << handOver(f);
        QCOMPARE(f.shell.started, starts);
        QCOMPARE(f.server.requests.first(), QString("GET ") + VersionPath + " HTTP/1.1");
        QCOMPARE(f.server.requests.size(), downloads ? 2 : 1);
        if (downloads) {
            QCOMPARE(f.server.requests.last(), QString("GET ") + UpdaterPath + " HTTP/1.1");
            QCOMPARE(UpdateFixture::read(download(f)), newUpdater());
        } else {
            QVERIFY(!QFile::exists(download(f)));
        }
        // The editor never touches the updater itself.
        QCOMPARE(QFile::exists(updater(f)), localUpdater != 0);
        if (localUpdater != 0) {
            QCOMPARE(UpdateFixture::read(updater(f)), local);
        }
        QVERIFY(editorEnded(f));
    }

    void stopsWithoutAHandOver_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("log");
        const QStringList localChecked{"local updater exists, check version...",
                                       "currentUpdaterVersion: 1.2"};
        QTest::newRow("404 with a local updater") << "404"
                                                  << "Error: Not Found" << localChecked;
        QTest::newRow("HTML page as version")
            << "html"
            << "'<!DOCTYPE html> <html><body>Maintenance<...' is not a valid version number"
            << QStringList{QString("updater version on server: ") + UpdateFixture::HtmlPage} +
                   localChecked + QStringList{UpdateFixture::HtmlPage, "12"};
        QTest::newRow("refused connection") << "refused"
                                            << "Connection refused" << QStringList{};
        QTest::newRow("slow server") << "silent"
                                     << "The server did not answer within 1 s" << QStringList{};
        QTest::newRow("huge version answer")
            << "huge"
            << "The server's answer is larger than 4096 bytes" << QStringList{};
    }
    void stopsWithoutAHandOver() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(QStringList, log);
        UpdateFixture f;
        const QString base = f.failAt(VersionPath, kind);
        f.server.answer(UpdaterPath, newUpdater());
        UpdateFixture::write(updater(f), updaterProgram(1, 2));
        f.start(base);
        f.main().TimerCheckWebVersion->stop();
        update(f);
        QTest::qWait(50);
        // Reported once; nothing downloaded or started, and the editor runs on.
        QCOMPARE(f.dialogs.messages, QStringList{message});
        QCOMPARE(f.log->lines, log);
        QCOMPARE(f.shell.started, QList<QStringList>{});
        QVERIFY(!QFile::exists(download(f)));
        QVERIFY(!editorEnded(f));
    }

    void failedDownloadLeavesTheOldFilesWhole_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("404") << "404"
                             << "Download failed: Not Found";
        QTest::newRow("500") << "500"
                             << "Download failed: Internal Server Error";
        QTest::newRow("cut off half way") << "cut"
                                          << "Download failed: Connection closed";
        QTest::newRow("slow server") << "silent"
                                     << "Download failed: The server did not answer within 1 s";
    }
    void failedDownloadLeavesTheOldFilesWhole() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        UpdateFixture f;
        f.server.answer(VersionPath, "1.3");
        LocalWebServer::Route r;
        r.body = newUpdater();
        if (kind == "404") {
            r = {404, "Not Found", "<html>no such file</html>", "text/html"};
        } else if (kind == "500") {
            r = {500, "Internal Server Error", "<html>oops</html>", "text/html"};
        } else if (kind == "cut") {
            r.behaviour = LocalWebServer::Behaviour::CutOff;
        } else if (kind == "silent") {
            r.behaviour = LocalWebServer::Behaviour::Silent;
        }
        f.server.route(UpdaterPath, r);
        const QByteArray oldUpdater = updaterProgram(1, 2) + "old updater";
        const QByteArray oldDownload = updaterProgram(1, 2) + "earlier download";
        UpdateFixture::write(updater(f), oldUpdater);
        UpdateFixture::write(download(f), oldDownload);
        startWithoutCheck(f);
        update(f);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.first().startsWith(message),
                 qPrintable(f.dialogs.messages.first()));
        QVERIFY(f.dialogs.messages.first().size() > QString("Download failed: ").size());
        QCOMPARE(UpdateFixture::read(updater(f)), oldUpdater);
        QCOMPARE(UpdateFixture::read(download(f)), oldDownload);
        // No half-written file is left beside them.
        QCOMPARE(QDir(f.program()).entryList(QDir::Files),
                 (QStringList{"Tarnwick_Win_Updater.exe", "Tarnwick_Win_Updater_Update.exe"}));
        // The hand-over goes on with the updater there is.
        QCOMPARE(f.shell.started, QList<QStringList>{handOver(f)});
        QVERIFY(editorEnded(f));
    }

    void downloadIntoAFolderThatCannotTakeIt() {
        UpdateFixture f;
        f.server.answer(VersionPath, "1.3");
        f.server.answer(UpdaterPath, newUpdater());
        f.programName = "not there";
        startWithoutCheck(f);
        update(f);
        QCOMPARE(f.log->lines, (QStringList{"updater version on server: 1.3",
                                            "Local updater not found, proceed with download..."}));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.first().startsWith("Download failed: "),
                 qPrintable(f.dialogs.messages.first()));
        QVERIFY(f.dialogs.messages.first().size() > QString("Download failed: ").size());
        // Nothing was asked of the server, and the hand-over goes on.
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.shell.started, QList<QStringList>{handOver(f)});
        QVERIFY(editorEnded(f));
    }

    void successfulDownloadReplacesTheEarlierOne() {
        UpdateFixture f;
        f.server.answer(VersionPath, "1.3");
        f.server.answer(UpdaterPath, newUpdater());
        UpdateFixture::write(updater(f), updaterProgram(1, 2));
        UpdateFixture::write(download(f), "earlier download");
        startWithoutCheck(f);
        update(f);
        QCOMPARE(UpdateFixture::read(download(f)), newUpdater());
        QCOMPARE(QDir(f.program()).entryList(QDir::Files),
                 (QStringList{"Tarnwick_Win_Updater.exe", "Tarnwick_Win_Updater_Update.exe"}));
    }

    void answerNoDoesNothing_data() {
        QTest::addColumn<bool>("fromNotice");
        QTest::newRow("menu") << false;
        QTest::newRow("notice") << true;
    }
    void answerNoDoesNothing() {
        QFETCH(bool, fromNotice);
        UpdateFixture f;
        f.server.answer(VersionPath, "1.3");
        startWithoutCheck(f);
        f.dialogs.answers.enqueue(false);
        if (fromNotice) {
            QTest::mouseClick(f.editor->newVersionMsg().btnLaunchUpdate, Qt::LeftButton);
        } else {
            f.main().menuUpdateNow->setEnabled(true);
            f.main().menuUpdateNow->trigger();
        }
        QCOMPARE(f.dialogs.confirmations, QStringList{Question});
        QTest::qWait(200);
        QVERIFY(f.server.requests.isEmpty());
        QCOMPARE(f.shell.started, QList<QStringList>{});
        QVERIFY(!editorEnded(f));
    }

    void noticeButtonUpdates() {
        UpdateFixture f;
        f.server.answer(VersionPath, "1.2");
        UpdateFixture::write(updater(f), updaterProgram(1, 2));
        startWithoutCheck(f);
        QTest::mouseClick(f.editor->newVersionMsg().btnLaunchUpdate, Qt::LeftButton);
        QTRY_VERIFY(editorEnded(f));
        QCOMPARE(f.shell.started, QList<QStringList>{handOver(f)});
    }

    void refusedElevationIsReportedThenTheEditorEnds() {
        UpdateFixture f;
        f.server.answer(VersionPath, "1.2");
        UpdateFixture::write(updater(f), updaterProgram(1, 2));
        f.shell.results.enqueue(false);
        f.dialogs.onMessage = [&f](const QString& text) {
            f.events << "box " + text + (editorEnded(f) ? " (after the end)" : "");
        };
        startWithoutCheck(f);
        update(f);
        QCOMPARE(
            f.events,
            (QStringList{Start, "box Failed to launch updater. Please run as administrator."}));
        QVERIFY(editorEnded(f));
    }

    void secondStartWhileOneRunsIsIgnored() {
        UpdateFixture f;
        f.server.silence(VersionPath);
        startWithoutCheck(f);
        f.main().menuUpdateNow->setEnabled(true);
        f.main().menuUpdateNow->trigger();
        QTRY_COMPARE(f.server.requests.size(), 1);
        f.main().menuUpdateNow->trigger();
        QCOMPARE(f.dialogs.confirmations.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!f.editor->updates().handOver.running(), 5000);
        QCOMPARE(f.server.requests.size(), 1);
    }
};

QTEST_MAIN(TestUpdateCommand)
#include "test_update_command.moc"
