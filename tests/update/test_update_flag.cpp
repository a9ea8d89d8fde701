#include "app/EditorError.h"
#include "app/Folders.h"
#include "update/UpdateMessageFlag.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// "ShowMessageVersionAtStartup.txt": read once at start, rewritten only when
// it exists, never in a way that stops the editor from starting.
class TestUpdateFlag : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir documents;
        Folders folders{documents.path()};
        UpdateMessageFlag flag{folders};
        Fixture() { QDir().mkpath(folders.product()); }
        QString path() const { return folders.product() + "/ShowMessageVersionAtStartup.txt"; }
        void write(const QByteArray& bytes) const {
            QFile f(path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        QByteArray read() const {
            QFile f(path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        }
    };

private slots:
    void thePath() {
        Fixture f;
        QCOMPARE(f.flag.path(),
                 f.documents.path() + "/KORVA/Tarnwick ZQ7/ShowMessageVersionAtStartup.txt");
    }

    void missingFileIsCreatedWithYes() {
        Fixture f;
        f.flag.ReadShowUpdateMessageFlag();
        QVERIFY(f.flag.showUpdateMessageAtStartup);
        // Three letters, no byte order mark, no line end.
        QCOMPARE(f.read(), QByteArray("YES"));
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("show");
        QTest::newRow("YES") << QByteArray("YES") << true;
        QTest::newRow("NO") << QByteArray("NO") << false;
        QTest::newRow("lower case no") << QByteArray("no") << true;
        QTest::newRow("NO with a line end") << QByteArray("NO\n") << true;
        QTest::newRow("NO with CR LF") << QByteArray("NO\r\n") << true;
        QTest::newRow("blank before NO") << QByteArray(" NO") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("something else") << QByteArray("MAYBE") << true;
        QTest::newRow("NO after a UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBFNO") << false;
        QTest::newRow("NO in UTF-16 with its mark") << QByteArray("\xFF\xFEN\0O\0", 6) << false;
        QTest::newRow("NO in UTF-16 without a mark") << QByteArray("N\0O\0", 4) << true;
        QTest::newRow("not UTF-8") << QByteArray("N\xD6") << true;
    }
    void reading() {
        QFETCH(QByteArray, content);
        QFETCH(bool, show);
        Fixture f;
        f.write(content);
        f.flag.ReadShowUpdateMessageFlag();
        QCOMPARE(f.flag.showUpdateMessageAtStartup, show);
        // Reading never changes the file.
        QCOMPARE(f.read(), content);
    }

    void yesAfterNoSetsTheFlagAgain() {
        Fixture f;
        f.flag.showUpdateMessageAtStartup = false;
        f.write("YES");
        f.flag.ReadShowUpdateMessageFlag();
        QVERIFY(f.flag.showUpdateMessageAtStartup);
    }

    void unreadableFileKeepsTheFlagSet() {
        // A folder where the file should be cannot be read as text, nor
        // replaced: the start goes on with the flag set.
        Fixture f;
        QVERIFY(QDir().mkpath(f.path()));
        f.flag.ReadShowUpdateMessageFlag();
        QVERIFY(f.flag.showUpdateMessageAtStartup);
        QVERIFY(QFileInfo(f.path()).isDir());
    }

    void aFileFarTooLargeIsNotAFlag() {
        Fixture f;
        f.write("NO" + QByteArray(8192, ' '));
        f.flag.ReadShowUpdateMessageFlag();
        QVERIFY(f.flag.showUpdateMessageAtStartup);
    }

    void missingProductFolderKeepsTheFlagSet() {
        QTemporaryDir documents;
        Folders folders(documents.path() + "/not/there");
        UpdateMessageFlag flag(folders);
        flag.ReadShowUpdateMessageFlag();
        QVERIFY(flag.showUpdateMessageAtStartup);
    }

    void rewrite_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("show");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("NO to YES") << QByteArray("NO") << true << QByteArray("YES");
        QTest::newRow("YES to NO") << QByteArray("YES") << false << QByteArray("NO");
        QTest::newRow("odd text to NO")
            << QByteArray("\xEF\xBB\xBFyes\r\n") << false << QByteArray("NO");
    }
    void rewrite() {
        QFETCH(QByteArray, before);
        QFETCH(bool, show);
        QFETCH(QByteArray, after);
        Fixture f;
        f.write(before);
        f.flag.rewrite(show);
        QCOMPARE(f.read(), after);
        // The choice counts from the next start.
        QVERIFY(f.flag.showUpdateMessageAtStartup);
    }

    void rewriteWritesNothingWithoutTheFile() {
        Fixture f;
        f.flag.rewrite(false);
        f.flag.rewrite(true);
        QVERIFY(!QFileInfo::exists(f.path()));
    }

    void rewriteThatFailsIsAnError() {
        Fixture f;
        QVERIFY(QDir().mkpath(f.path()));
        try {
            f.flag.rewrite(false);
            QFAIL("no error");
        } catch (const EditorError& e) {
            QVERIFY2(e.text().startsWith("Cannot write " + f.path() + ": "), qPrintable(e.text()));
        }
    }
};

QTEST_GUILESS_MAIN(TestUpdateFlag)
#include "test_update_flag.moc"
