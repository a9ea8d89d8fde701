#include "UpdateFixture.h"
#include "update/TformNewVersionMsg.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

// The check for a newer editor, against a real server on 127.0.0.1: the
// "Info" menu, the notice and its flag file, and every way the check fails.
class TestVersionCheck : public QObject {
    Q_OBJECT

    static constexpr const char* VersionPath = "/download/tarnwick-editor-version.php";

    static QString menuText(UpdateFixture& f) { return f.main().menuNewAppVersion->text(); }
    static bool noticeShown(UpdateFixture& f) { return f.editor->newVersionMsg().isVisible(); }

    // Runs the check until it has an outcome or has reported a failure.
    static void checkNow(UpdateFixture& f) {
        f.check();
        QTRY_VERIFY_WITH_TIMEOUT(menuText(f) != QStringLiteral("New version available:") ||
                                     !f.dialogs.messages.isEmpty(),
                                 10000);
        QTest::qWait(20);
    }

private slots:
    void init() { qunsetenv("TARNWICK_WEB_BASE"); }

    void checkRunsOnceASecondAfterStart() {
        UpdateFixture f;
        f.server.answer(VersionPath, "1.0");
        QElapsedTimer clock;
        clock.start();
        f.start();
        QCOMPARE(f.main().menuAppVersion->text(), QStringLiteral("Editor Version:  1.0"));
        QVERIFY(!f.main().menuAppVersion->isEnabled());
        QVERIFY(f.main().TimerCheckWebVersion->isActive());
        QVERIFY(f.main().TimerCheckWebVersion->isSingleShot());
        QCOMPARE(f.main().TimerCheckWebVersion->interval(), 1000);
        QVERIFY(f.server.requests.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(f.server.requests.size(), 1, 5000);
        QVERIFY(clock.elapsed() >= 950);
        QCOMPARE(f.server.requests.first(),
                 QStringLiteral("GET /download/tarnwick-editor-version.php HTTP/1.1"));
        QTRY_COMPARE(menuText(f), QStringLiteral("No update available"));
        QVERIFY(!f.main().TimerCheckWebVersion->isActive());
        QTest::qWait(1300);
        QCOMPARE(f.server.requests.size(), 1);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void outcome_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("shownVersion");
        // Newer versions enable "Update Now" and open the notice.
        QTest::newRow("1.8 to 1.7") << QByteArray("1.8") << "1.7"
                                    << "New version available: 1.8"
                                    << "1.8";
        QTest::newRow("1.7 to 1.7") << QByteArray("1.7") << "1.7"
                                    << "No update available"
                                    << "";
        QTest::newRow("1.10 to 1.9") << QByteArray("1.10") << "1.9"
                                     << "New version available: 1.10"
                                     << "1.10";
        QTest::newRow("1.7.1 to 1.7") << QByteArray("1.7.1") << "1.7"
                                      << "New version available: 1.7.1"
                                      << "1.7.1";
        QTest::newRow("2.0 to 1.65") << QByteArray("2.0") << "1.65"
                                     << "New version available: 2.0"
                                     << "2.0";
        QTest::newRow("1.65 to 2.0") << QByteArray("1.65") << "2.0"
                                     << "No update available"
                                     << "";
        QTest::newRow("1.8 and a line end to 1.7") << QByteArray("1.8\r\n") << "1.7"
                                                   << "New version available: 1.8"
                                                   << "1.8";
        QTest::newRow("1.6 to 1.7") << QByteArray("1.6") << "1.7"
                                    << "No update available"
                                    << "";
    }
    void outcome() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, own);
        QFETCH(QString, menu);
        QFETCH(QString, shownVersion);
        UpdateFixture f;
        f.server.answer(VersionPath, answer);
        f.start();
        f.editor->updates().check.currentAppVersion = own;
        checkNow(f);
        QCOMPARE(f.dialogs.messages, QStringList{});
        QCOMPARE(menuText(f), menu);
        const bool newer = !shownVersion.isEmpty();
        QCOMPARE(f.main().menuUpdateNow->isEnabled(), newer);
        QCOMPARE(noticeShown(f), newer);
        QVERIFY(!f.main().menuNewAppVersion->isEnabled());
        QCOMPARE(f.log->lines, (QStringList{"currentAppVersion: " + own,
                                            "newAppVersion: " + QString::fromUtf8(answer)}));
        // Kept for the run without the white space around it.
        QCOMPARE(f.editor->updates().check.newAppVersion, QString::fromUtf8(answer).trimmed());
    }

    void noticeStaysClosedWhenTurnedOff() {
        UpdateFixture f;
        f.server.answer(VersionPath, "9.9");
        QDir().mkpath(f.productFolder());
        UpdateFixture::write(f.flagFile(), "NO");
        f.start();
        QVERIFY(!f.main().menuShowUpdateMsg->isChecked());
        checkNow(f);
        QCOMPARE(menuText(f), QStringLiteral("New version available: 9.9"));
        QVERIFY(f.main().menuUpdateNow->isEnabled());
        QVERIFY(!noticeShown(f));
    }

    void flagAtStart_data() {
        QTest::addColumn<QByteArray>("content"); // "-": no file
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first start") << QByteArray("-") << true << QByteArray("YES");
        QTest::newRow("YES") << QByteArray("YES") << true << QByteArray("YES");
        QTest::newRow("NO") << QByteArray("NO") << false << QByteArray("NO");
        QTest::newRow("no") << QByteArray("no") << true << QByteArray("no");
        QTest::newRow("NO and a line end") << QByteArray("NO\r\n") << true << QByteArray("NO\r\n");
    }
    void flagAtStart() {
        QFETCH(QByteArray, content);
        QFETCH(bool, checked);
        QFETCH(QByteArray, after);
        UpdateFixture f;
        f.server.answer(VersionPath, "9.9");
        if (content != "-") {
            QDir().mkpath(f.productFolder());
            UpdateFixture::write(f.flagFile(), content);
        }
        f.start();
        QCOMPARE(f.main().menuShowUpdateMsg->isChecked(), checked);
        QCOMPARE(UpdateFixture::read(f.flagFile()), after);
        checkNow(f);
        QCOMPARE(noticeShown(f), checked);
    }

    void failures_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("logged");
        QTest::newRow("404") << "404"
                             << "Error: Not Found" << false;
        QTest::newRow("500") << "500"
                             << "Error: Internal Server Error" << false;
        QTest::newRow("HTML page") << "html"
                                   << "'<!DOCTYPE html> <html><body>Maintenance<...' is not a "
                                      "valid version number"
                                   << true;
        QTest::newRow("empty body") << "empty"
                                    << "'' is not a valid version number" << true;
        QTest::newRow("refused connection") << "refused"
                                            << "Connection refused" << false;
        QTest::newRow("slow server") << "silent"
                                     << "The server did not answer within 1 s" << false;
        QTest::newRow("huge body") << "huge"
                                   << "The server's answer is larger than 4096 bytes" << false;
        QTest::newRow("untrusted certificate") << "untrusted"
                                               << "SSL handshake failed" << false;
    }
    void failures() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(bool, logged);
        UpdateFixture f;
        f.start(f.failAt(VersionPath, kind));
        checkNow(f);
        QTest::qWait(100);
        // Reported once; the menu stays as it was.
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.first().startsWith(message),
                 qPrintable(f.dialogs.messages.first()));
        QCOMPARE(menuText(f), QStringLiteral("New version available:"));
        QVERIFY(!f.main().menuUpdateNow->isEnabled());
        QVERIFY(!noticeShown(f));
        QCOMPARE(f.log->lines.size(), logged ? 2 : 0);
        QVERIFY(f.editor->updates().check.newAppVersion.isEmpty());
    }

    void ownVersionThatIsNotOne() {
        UpdateFixture f;
        f.server.answer(VersionPath, "9.9");
        f.start();
        f.editor->updates().check.currentAppVersion.clear();
        checkNow(f);
        QCOMPARE(f.dialogs.messages, QStringList{"'' is not a valid version number"});
        QCOMPARE(menuText(f), QStringLiteral("New version available:"));
        QVERIFY(!f.main().menuUpdateNow->isEnabled());
    }

    void trustedHttpsServer() {
        UpdateFixture f;
        f.server.useTls(TEST_CERTIFICATES);
        f.server.answer(VersionPath, "9.9");
        f.trusted = LocalWebServer::authority(TEST_CERTIFICATES);
        f.start();
        QVERIFY(f.server.base().startsWith("https://"));
        checkNow(f);
        QCOMPARE(f.dialogs.messages, QStringList{});
        QCOMPARE(menuText(f), QStringLiteral("New version available: 9.9"));
    }

    void windowWorksWhileTheServerIsSlow() {
        UpdateFixture f;
        f.server.silence(VersionPath);
        f.start();
        f.check();
        QTRY_COMPARE(f.server.requests.size(), 1);
        // The request is still waiting, and a command runs meanwhile.
        f.main().menuSupport->trigger();
        QCOMPARE(f.shell.opened, QStringList{f.server.base() + "/contact-us/"});
        QVERIFY(f.dialogs.messages.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(f.dialogs.messages.size(), 1, 5000);
    }

    void infoMenuLogsTheOwnVersion() {
        UpdateFixture f;
        f.start();
        f.main().TimerCheckWebVersion->stop();
        emit f.main().menuInfo->aboutToShow();
        emit f.main().menuInfo->aboutToShow();
        QCOMPARE(f.log->lines,
                 (QStringList{"current app version: 1.0", "current app version: 1.0"}));
    }

    void browserPages() {
        UpdateFixture f;
        f.start(QStringLiteral("https://maker.test/"));
        f.main().TimerCheckWebVersion->stop();
        f.main().menuSupport->trigger();
        QTest::mouseClick(f.editor->newVersionMsg().btnSeeWhatsNew, Qt::LeftButton);
        QCOMPARE(f.shell.opened, (QStringList{"https://maker.test/contact-us/",
                                              "https://maker.test/download/update/whatsnew.html"}));
    }

    void noticeWindow() {
        UpdateFixture f;
        f.server.answer(VersionPath, "9.9");
        f.start();
        checkNow(f);
        TformNewVersionMsg& n = f.editor->newVersionMsg();
        QVERIFY(n.isVisible());
        QCOMPARE(n.windowTitle(), QStringLiteral("New Version"));
        QCOMPARE(n.Label1->text(),
                 QStringLiteral("A new version of the Tarnwick Editor is available"));
        QCOMPARE(n.btnLaunchUpdate->text(), QStringLiteral("Update Now"));
        QCOMPARE(n.btnSeeWhatsNew->text(), QStringLiteral("What's New?"));
        QCOMPARE(n.CheckBox1->text(), QStringLiteral("Don't Show This Message Again"));
        QVERIFY(!n.CheckBox1->isChecked());
        // Filled when the window was made, before the check.
        QCOMPARE(n.Label2->text(), QStringLiteral("Your version: 1.0     New version: "));
        QVERIFY(!n.Label2->isVisible());
        // Every text fits its element, the long title on two lines at most.
        for (QWidget* w : std::initializer_list<QWidget*>{n.Label1, n.btnLaunchUpdate,
                                                          n.btnSeeWhatsNew, n.CheckBox1}) {
            const QRect r = w->geometry();
            QVERIFY2(QRect(0, 0, 268, 146).contains(r), w->metaObject()->className());
            const QSize need = w->hasHeightForWidth()
                                   ? QSize(r.width(), w->heightForWidth(r.width()))
                                   : w->sizeHint();
            QVERIFY2(need.width() <= r.width() && need.height() <= r.height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                                    .arg(w->metaObject()->className())
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(r.width())
                                    .arg(r.height())));
        }
        // The main window stays usable, and closing the notice hides it.
        QVERIFY(!n.isModal());
        n.close();
        QVERIFY(!n.isVisible());
    }

    void dontShowAgain() {
        UpdateFixture f;
        f.start();
        f.main().TimerCheckWebVersion->stop();
        TformNewVersionMsg& n = f.editor->newVersionMsg();
        QCOMPARE(UpdateFixture::read(f.flagFile()), QByteArray("YES"));
        QTest::mouseClick(n.CheckBox1, Qt::LeftButton);
        QCOMPARE(UpdateFixture::read(f.flagFile()), QByteArray("NO"));
        // Unticking writes nothing; the menu and the flag keep their state.
        QTest::mouseClick(n.CheckBox1, Qt::LeftButton);
        QCOMPARE(UpdateFixture::read(f.flagFile()), QByteArray("NO"));
        QVERIFY(f.main().menuShowUpdateMsg->isChecked());
        QVERIFY(f.editor->updates().flag.showUpdateMessageAtStartup);
        // Without the file nothing is written.
        QFile::remove(f.flagFile());
        QTest::mouseClick(n.CheckBox1, Qt::LeftButton);
        QVERIFY(!QFile::exists(f.flagFile()));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void showUpdateMessageItem() {
        UpdateFixture f;
        f.start();
        f.main().TimerCheckWebVersion->stop();
        QAction* item = f.main().menuShowUpdateMsg;
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(UpdateFixture::read(f.flagFile()), QByteArray("NO"));
        item->trigger();
        QVERIFY(item->isChecked());
        QCOMPARE(UpdateFixture::read(f.flagFile()), QByteArray("YES"));
        // The choice counts from the next start.
        item->trigger();
        QVERIFY(f.editor->updates().flag.showUpdateMessageAtStartup);
        // The file deleted during the run: nothing is written.
        QFile::remove(f.flagFile());
        item->trigger();
        QVERIFY(!QFile::exists(f.flagFile()));
        QVERIFY(f.dialogs.messages.isEmpty());
        // A file that cannot be written is reported, and the editor goes on.
        QDir().mkpath(f.flagFile());
        item->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.first().startsWith(
                     "Cannot write " + QDir::toNativeSeparators(f.flagFile()) + ": "),
                 qPrintable(f.dialogs.messages.first()));
    }
};

QTEST_MAIN(TestVersionCheck)
#include "test_version_check.moc"
