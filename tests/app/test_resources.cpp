#include "ScriptedDialogs.h"
#include "app/EditorError.h"
#include "app/Resources.h"

#include <QTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void textLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF, no last end") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("first line empty") << QByteArray("\r\na") << QStringList{"", "a"};
        QTest::newRow("nothing") << QByteArray() << QStringList{};
        QTest::newRow("8-bit") << QByteArray("caf\xE9") << QStringList{QString::fromUtf8("café")};
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                                  "caf\xC3\xA9\r\n")
                                    << QStringList{QString::fromUtf8("café")};
        QTest::newRow("UTF-16 mark") << QByteArray("\xFF\xFEh\0i\0\n\0", 8) << QStringList{"hi"};
    }
    void textLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(Resources::textLines(bytes), lines);
    }

    void builtInEffectList() {
        ScriptedDialogs dialogs;
        Resources r(dialogs);
        QCOMPARE(Resources::bytes("OCTAVE").value(), QByteArray("Tarnwick ZQ7 0008\r\n"));
        r.read_file_from_stream("octave");
        QCOMPARE(r.ResourceLines, QStringList{"Tarnwick ZQ7 0008"});
    }

    void builtInAlgorithmImageLayout() {
        ScriptedDialogs dialogs;
        Resources r(dialogs);
        r.read_file_from_stream("Tarnwick_ZQ7_0008");
        QCOMPARE(r.ResourceLines.size(), 1);
        const QString image = r.ResourceLines[0];
        QCOMPARE(image.size(), 9280);
        QVERIFY(image.startsWith("001220"
                                 "000B00E800770073000300CC00DE00A000E9004C005B0051000A006E"
                                 "00E7001B000C"));
        const QByteArray bytes = QByteArray::fromHex(image.toLatin1());
        QCOMPARE(bytes.size(), 4640);
        QCOMPARE((std::uint8_t(bytes[1]) << 8) | std::uint8_t(bytes[2]), 4640);
    }

    void missingResourceKeepsTheLines() {
        ScriptedDialogs dialogs;
        Resources r(dialogs);
        r.read_file_from_stream("OCTAVE");
        try {
            r.read_file_from_stream("NO_SUCH");
            QFAIL("found");
        } catch (const EditorError& e) {
            QCOMPARE(e.text(), QStringLiteral("Resource NO_SUCH not found"));
        }
        QCOMPARE(r.ResourceLines, QStringList{"Tarnwick ZQ7 0008"});
        QVERIFY(!Resources::bytes("NO_SUCH"));
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
