#include "fx/Parameters.h"
#include "fx/PresetFile.h"

#include <QTest>

using Words = QList<quint32>;

namespace {

// Fifteen lines of eight digits: line k holds the digit k+1 (hex) eight times.
QStringList numberedLines() {
    QStringList lines;
    for (int k = 0; k < 15; ++k) {
        lines << QString(8, QLatin1Char("123456789ABCDEF"[k]));
    }
    return lines;
}

Words numberedWords() {
    Words words;
    for (int k = 0; k < 15; ++k) {
        words << quint32(0x11111111u * quint32(k + 1));
    }
    return words;
}

} // namespace

class TestPresetFile : public QObject {
    Q_OBJECT
private slots:
    void writtenFile() {
        ParameterSet p;
        p.Dry.value = 0x00400000;
        const QByteArray file = PresetFile::bytes(PresetFile::text(p));
        QByteArray expected = QByteArray("\xEF\xBB\xBF") + "00400000";
        for (int i = 0; i < 14; ++i) {
            expected += "\r00000000";
        }
        QCOMPARE(file, expected);
        QCOMPARE(file.size(), 137);
    }

    void valuesInTheAnswersOrder() {
        ParameterSet p;
        p.SubMix.value = 1;
        p.HighNotesCut.value = 0xFFFFFFFF;
        const QStringList lines = PresetFile::text(p).split(QLatin1Char('\r'));
        QCOMPARE(lines.value(1), QStringLiteral("00000001"));
        QCOMPARE(lines.value(14), QStringLiteral("FFFFFFFF"));
    }

    // Any line ends, with or without a mark or a last line end, read the same.
    void readWithAnyLineEnds_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray body = numberedLines().join(QLatin1Char('\r')).toLatin1();
        QTest::newRow("CR, with mark") << QByteArray("\xEF\xBB\xBF") + body;
        QTest::newRow("LF") << QByteArray(body).replace('\r', '\n');
        QTest::newRow("CR LF, last line ended") << QByteArray(body).replace("\r", "\r\n") + "\r\n";
        QTest::newRow("mixed")
            << QByteArray(body).replace("1\r2", "1\n2").replace("5\r6", "5\r\n6");
    }
    void readWithAnyLineEnds() {
        QFETCH(QByteArray, file);
        const QString text = PresetFile::rejoined(file);
        QCOMPARE(text, numberedLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        const PresetFile::Parsed parsed = PresetFile::parse(text);
        QCOMPARE(parsed.badLine, 0);
        QCOMPARE(Words(parsed.values.begin(), parsed.values.end()), numberedWords());
    }

    // Anything but fifteen lines of eight hexadecimal digits is refused,
    // naming the first bad line.
    void malformedFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("badLine");
        const QStringList good = numberedLines();
        QStringList shortLine = good;
        shortLine[0] = "0040000";
        QStringList notHex = good;
        notHex[4] = "0040000G";
        QStringList longLine = good;
        longLine[7] = "004000000";
        QTest::newRow("short first line") << shortLine.join('\r').toLatin1() << 1;
        QTest::newRow("not hexadecimal") << notHex.join('\r').toLatin1() << 5;
        QTest::newRow("long line") << longLine.join('\r').toLatin1() << 8;
        QTest::newRow("fourteen lines") << good.mid(0, 14).join('\r').toLatin1() << 15;
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("binary") << QByteArray("\x00\xFF\x10\x80", 4) << 1;
    }
    void malformedFiles() {
        QFETCH(QByteArray, file);
        QFETCH(int, badLine);
        QCOMPARE(PresetFile::parse(PresetFile::rejoined(file)).badLine, badLine);
    }
};

QTEST_GUILESS_MAIN(TestPresetFile)
#include "test_preset_file.moc"
