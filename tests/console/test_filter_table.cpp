#include "LogRecorder.h"
#include "app/DiagnosticLog.h"
#include "app/EditorError.h"
#include "console/FilterTable.h"
#include "console/FilterTool.h"

#include <QTest>

namespace {

// A tool logging in the given locale, its lines recorded.
struct ToolFixture {
    explicit ToolFixture(const QLocale& locale = QLocale::c()) : tool(log, locale), recorder(log) {}
    DiagnosticLog log;
    FilterTool tool;
    LogRecorder recorder;
};

QStringList table(const QString& title, const QStringList& bytes) {
    auto quoted = [&bytes](int from) {
        QStringList q;
        for (int i = from; i < from + 4; ++i) {
            q << "'" + bytes.at(i) + "'";
        }
        return q.join(", ");
    };
    return {title + " : array[0..19] of string =",
            "(" + quoted(0) + ", ",
            quoted(4) + ", ",
            quoted(8) + ", ",
            quoted(12) + ", ",
            quoted(16) + ");"};
}

} // namespace

class TestFilterTable : public QObject {
    Q_OBJECT
private slots:
    void noteNames() {
        QCOMPARE(FilterTable::noteNames(),
                 (QStringList{"A1",  "A#1", "B1",  "C2",  "C#2", "D2",  "D#2", "E2",  "F2",  "F#2",
                              "G2",  "G#2", "A2",  "A#2", "B2",  "C3",  "C#3", "D3",  "D#3", "E3",
                              "F3",  "F#3", "G3",  "G#3", "A3",  "A#3", "B3",  "C4",  "C#4", "D4",
                              "D#4", "E4",  "F4",  "F#4", "G4",  "G#4", "A4",  "A#4", "B4",  "C5",
                              "C#5", "D5",  "D#5", "E5",  "F5",  "F#5", "G5",  "G#5"}));
    }

    void noteFrequency_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<double>("hz");
        QTest::newRow("A1") << 0 << 55.0;
        QTest::newRow("A2") << 12 << 110.0;
        QTest::newRow("A3") << 24 << 220.0;
        QTest::newRow("G#5") << 47 << 830.6093951598903;
    }
    void noteFrequency() {
        QFETCH(int, entry);
        QFETCH(double, hz);
        ToolFixture f;
        f.tool.cmbNotePickerChange(entry);
        QCOMPARE(f.tool.NoteOffset, entry - 12.0);
        QVERIFY(std::abs(f.tool.NoteFrequency() - hz) < 1e-9);
        QVERIFY(f.recorder.lines.isEmpty());
    }

    void tables_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("boost");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("A2, no boost, Q 1.41")
            << 12 << "1.41"
            << "0"
            << (QStringList{"Q: 1.41", "boost: 0"} +
                table("A2_0db_boost_Q1.41",
                      {"00", "80", "00", "00", "FF", "01", "53", "AD", "00", "7E",
                       "B3", "15", "00", "FE", "AC", "53", "FF", "81", "4C", "EB"}));
        QTest::newRow("start values, A1")
            << 0 << QString() << QString()
            << table("A1_6db_cut_Q11",
                     {"00", "7F", "F8", "73", "FF", "00", "1F", "FA", "00", "7F",
                      "E9", "46", "00", "FF", "E0", "06", "FF", "80", "1E", "48"});
        QTest::newRow("D2, the tuning table's first row")
            << 5 << "11"
            << "-6"
            << (QStringList{"Q: 11", "boost: -6"} +
                table("D2_6db_cut_Q11",
                      {"00", "7F", "F5", "EC", "FF", "00", "2B", "70", "00", "7F",
                       "E1", "AB", "00", "FF", "D4", "90", "FF", "80", "28", "6A"}));
    }
    void tables() {
        QFETCH(int, entry);
        QFETCH(QString, q);
        QFETCH(QString, boost);
        QFETCH(QStringList, lines);
        ToolFixture f;
        f.tool.cmbNotePickerChange(entry);
        if (!q.isNull()) {
            f.tool.edtQChange(q);
            f.tool.edtBoostChange(boost);
        }
        f.tool.btnGetNoteFrequencyClick();
        QCOMPARE(f.recorder.lines, lines);
    }

    void labelAndMagnitude_data() {
        QTest::addColumn<QString>("boost");
        QTest::addColumn<QString>("title");
        QTest::newRow("-6 is a cut of 6") << "-6"
                                          << "A2_6db_cut_Q2.5";
        QTest::newRow("6 is a boost of 6") << "6"
                                           << "A2_6db_boost_Q2.5";
        QTest::newRow("0 is a boost") << "0"
                                      << "A2_0db_boost_Q2.5";
        QTest::newRow("-0.5") << "-0.5"
                              << "A2_0.5db_cut_Q2.5";
    }
    void labelAndMagnitude() {
        QFETCH(QString, boost);
        QFETCH(QString, title);
        ToolFixture f;
        f.tool.cmbNotePickerChange(12);
        f.tool.edtQChange("2.5");
        f.tool.edtBoostChange(boost);
        f.recorder.lines.clear();
        f.tool.btnGetNoteFrequencyClick();
        QCOMPARE(f.recorder.lines.size(), 6);
        QCOMPARE(f.recorder.lines.first(), title + " : array[0..19] of string =");
    }

    // Another note changes the frequency only; edited values stay.
    void noteKeepsEditedValues() {
        ToolFixture f;
        f.tool.edtQChange("1.41");
        f.tool.edtBoostChange("0");
        f.tool.cmbNotePickerChange(47);
        f.tool.cmbNotePickerChange(12);
        QCOMPARE(f.tool.FilterQ, 1.41);
        QCOMPARE(f.tool.FilterBoost, 0.0);
        f.recorder.lines.clear();
        f.tool.btnGetNoteFrequencyClick();
        QCOMPARE(f.recorder.lines.at(1), QString("('00', '80', '00', '00', "));
    }

    void notANumberKeepsTheValue_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("the other separator") << "1,41";
    }
    void notANumberKeepsTheValue() {
        QFETCH(QString, text);
        ToolFixture f;
        for (const bool q : {true, false}) {
            try {
                q ? f.tool.edtQChange(text) : f.tool.edtBoostChange(text);
                QFAIL("no conversion error");
            } catch (const ConversionError& e) {
                QCOMPARE(e.text(), "'" + text + "' is not a valid floating point value");
            }
        }
        QCOMPARE(f.tool.FilterQ, 11.0);
        QCOMPARE(f.tool.FilterBoost, -6.0);
        QVERIFY(f.recorder.lines.isEmpty());
    }

    void userLocaleSeparator() {
        ToolFixture f(QLocale(QLocale::German, QLocale::Germany));
        f.tool.edtQChange("1,41");
        f.tool.edtBoostChange("-1000");
        QCOMPARE(f.tool.FilterQ, 1.41);
        QCOMPARE(f.recorder.lines, (QStringList{"Q: 1,41", "boost: -1000"}));
    }

    void fixedPoint_data() {
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("1") << 1.0 << "00800000";
        QTest::newRow("-1") << -1.0 << "FF800000";
        QTest::newRow("half a step rounds to even 0") << 0.5 / 8388608 << "00000000";
        QTest::newRow("one and a half steps round to 2") << 1.5 / 8388608 << "00000002";
        QTest::newRow("minus half a step") << -0.5 / 8388608 << "00000000";
        QTest::newRow("minus one and a half") << -1.5 / 8388608 << "FFFFFFFE";
        QTest::newRow("256 is the sign bit") << 256.0 << "80000000";
        QTest::newRow("512 wraps to 0") << 512.0 << "00000000";
        QTest::newRow("far beyond 64 bits") << 1e30 << "00000000";
    }
    void fixedPoint() {
        QFETCH(double, coefficient);
        QFETCH(QString, bytes);
        const std::array<QString, 4> texts = FilterTable::fixedPointBytes(coefficient);
        QCOMPARE(texts[0] + texts[1] + texts[2] + texts[3], bytes);
    }

    // A Q of 0 gives no finite coefficient: one line says so, nothing crashes.
    void zeroQ() {
        ToolFixture f;
        f.tool.edtQChange("0");
        f.recorder.lines.clear();
        f.tool.btnGetNoteFrequencyClick();
        QCOMPARE(f.recorder.lines,
                 QStringList{"A1_6db_cut_Q0: no table, the coefficients are not finite numbers"});
    }

    // Coefficients too large for 32 bits wrap and still make six lines.
    void hugeBoostWraps() {
        ToolFixture f;
        f.tool.edtBoostChange("600");
        f.tool.edtQChange("0.001");
        f.recorder.lines.clear();
        f.tool.btnGetNoteFrequencyClick();
        QCOMPARE(f.recorder.lines.size(), 6);
        QVERIFY(f.recorder.lines.last().endsWith("');"));
    }
};

QTEST_MAIN(TestFilterTable)
#include "test_filter_table.moc"
