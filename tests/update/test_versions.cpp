#include "app/ShellParameters.h"
#include "update/AppVersion.h"
#include "update/MakerSite.h"
#include "update/Version.h"

#include <QTemporaryDir>
#include <QTest>

// Versions compare as versions, program files give theirs from the version
// record, and the updater's command line on Windows quotes each path.
class TestVersions : public QObject {
    Q_OBJECT
private slots:
    void comparison_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.8 after 1.7") << "1.8"
                                       << "1.7" << true;
        QTest::newRow("1.7 is 1.7") << "1.7"
                                    << "1.7" << false;
        QTest::newRow("1.10 after 1.9") << "1.10"
                                        << "1.9" << true;
        QTest::newRow("1.7.1 after 1.7") << "1.7.1"
                                         << "1.7" << true;
        QTest::newRow("2.0 after 1.65") << "2.0"
                                        << "1.65" << true;
        QTest::newRow("1.65 before 2.0") << "1.65"
                                         << "2.0" << false;
        QTest::newRow("1.6 before 1.7") << "1.6"
                                        << "1.7" << false;
        QTest::newRow("1.7 after 1.6.9") << "1.7"
                                         << "1.6.9" << true;
        QTest::newRow("1.7.0 is 1.7") << "1.7.0"
                                      << "1.7" << false;
        QTest::newRow("1.7 is 1.7.0") << "1.7"
                                      << "1.7.0" << false;
        QTest::newRow("1.7 before 1.7.1") << "1.7"
                                          << "1.7.1" << false;
        QTest::newRow("line end after the version") << "1.8\r\n"
                                                    << "1.7" << true;
        QTest::newRow("blanks around") << "  1.8 \t"
                                       << "1.7" << true;
        QTest::newRow("a major number alone") << "2"
                                              << "1.9" << true;
        QTest::newRow("nine digits") << "999999999.0"
                                     << "1.7" << true;
    }
    void comparison() {
        QFETCH(QString, server);
        QFETCH(QString, own);
        QFETCH(bool, newer);
        const auto a = parseVersion(server);
        const auto b = parseVersion(own);
        QVERIFY(a && b);
        QCOMPARE(isNewerVersion(*a, *b), newer);
    }

    void notVersions_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("html page") << "<html><body>Not here</body></html>";
        QTest::newRow("a word") << "v1.8";
        QTest::newRow("an empty part") << "1..8";
        QTest::newRow("a trailing point") << "1.8.";
        QTest::newRow("a leading point") << ".8";
        QTest::newRow("a sign") << "-1.8";
        QTest::newRow("a blank inside") << "1. 8";
        QTest::newRow("two lines") << "1.8\n1.9";
        QTest::newRow("ten digits") << "1234567890.0";
        QTest::newRow("other digits") << QString::fromUtf8("\xd9\xa1.8"); // Arabic-Indic one
    }
    void notVersions() {
        QFETCH(QString, text);
        QVERIFY(!parseVersion(text));
    }

    void numbersParsed() {
        QCOMPARE(parseVersion(QStringLiteral(" 12.034.5\n")), (QList<int>{12, 34, 5}));
        QCOMPARE(parseVersion(QStringLiteral("999999999")), (QList<int>{999999999}));
    }

    void notAVersionMessage() {
        QCOMPARE(notAVersionText(QStringLiteral("1.8x")),
                 QStringLiteral("'1.8x' is not a valid version number"));
        // A page is shown by its first forty characters, on one line.
        QCOMPARE(notAVersionText(QStringLiteral("<html>\n<body>The page you asked for has moved "
                                                "elsewhere</body></html>")),
                 QStringLiteral("'<html> <body>The page you asked for has ...' is not a "
                                "valid version number"));
        QCOMPARE(notAVersionText(QString(40, QLatin1Char('x'))),
                 QStringLiteral("'%1' is not a valid version number").arg(QString(40, 'x')));
    }

    void ownVersionIsTheProjects() {
        // Major and minor of the project's version, release ignored.
        QCOMPARE(GetAppVersion(), QStringLiteral("1.0"));
    }

    void versionText_data() {
        QTest::addColumn<quint32>("mostSignificant");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.7") << 0x00010007u << "1.7";
        QTest::newRow("1.65") << 0x00010041u << "1.65";
        QTest::newRow("unreadable") << 0xFFFFFFFFu << "65535.65535";
        QTest::newRow("12.0") << 0x000C0000u << "12.0";
    }
    void versionText() {
        QFETCH(quint32, mostSignificant);
        QFETCH(QString, text);
        QCOMPARE(::versionText(mostSignificant), text);
    }

    void fileVersion_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("version"); // -1: none
        const QByteArray signature("\xBD\x04\xEF\xFE", 4);
        const QByteArray structVersion("\x00\x00\x01\x00", 4);
        // File version 1.2.3.4: the upper half 1.2, the lower 3.4.
        const QByteArray v1234("\x02\x00\x01\x00\x04\x00\x03\x00", 8);
        const QByteArray program = QByteArray("MZ\x90\x00", 4) + QByteArray(300, '\0');
        QTest::newRow("record inside a program")
            << program + signature + structVersion + v1234 + QByteArray(40, '\0')
            << qint64(0x00010002);
        QTest::newRow("record at the very end")
            << program + signature + structVersion + v1234.left(4) << qint64(0x00010002);
        QTest::newRow("record cut short")
            << program + signature + structVersion + v1234.left(3) << qint64(-1);
        // Every byte of the version counts: 258.772 is 0x0102 and 0x0304.
        QTest::newRow("every byte set")
            << program + signature + structVersion + QByteArray("\x04\x03\x02\x01", 4)
            << qint64(0x01020304);
        QTest::newRow("no record") << program << qint64(-1);
        QTest::newRow("empty file") << QByteArray() << qint64(-1);
    }
    void fileVersion() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, version);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tarnwick_Win_Updater.exe"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const auto read = readFileVersion(path);
        QCOMPARE(read ? qint64(*read) : -1, version);
    }
    void missingFileHasNoVersion() {
        QVERIFY(!readFileVersion(QStringLiteral("/nonexistent/Tarnwick_Win_Updater.exe")));
    }

    void windowsParameters() {
        // Each path in double quotes, one blank between them.
        QCOMPARE(quotedParameters({QStringLiteral("C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\"
                                                  "Tarnwick_Editor_Update.exe"),
                                   QStringLiteral("C:\\Program Files\\Tarnwick\\Editor.exe")}),
                 QStringLiteral("\"C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\"
                                "Tarnwick_Editor_Update.exe\" \"C:\\Program "
                                "Files\\Tarnwick\\Editor.exe\""));
        QCOMPARE(quotedParameters({}), QString());
    }

    void siteBase_data() {
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QString>("address");
        // The build names the maker's server.
        QTest::newRow("built in") << QByteArray() << CONFIGURED_WEB_BASE "/contact-us/";
        QTest::newRow("local http")
            << QByteArray("http://127.0.0.1:8080") << "http://127.0.0.1:8080/contact-us/";
        QTest::newRow("trailing slash")
            << QByteArray("https://localhost:4443/") << "https://localhost:4443/contact-us/";
    }
    void siteBase() {
        QFETCH(QByteArray, environment);
        QFETCH(QString, address);
        if (environment.isEmpty()) {
            qunsetenv("TARNWICK_WEB_BASE");
        } else {
            qputenv("TARNWICK_WEB_BASE", environment);
        }
        QCOMPARE(MakerSite().address(site::Support), address);
        qunsetenv("TARNWICK_WEB_BASE");
    }
};

QTEST_GUILESS_MAIN(TestVersions)
#include "test_versions.moc"
