#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "tuning/Tunings.h"

#include <QComboBox>

namespace {

// Connected and read, so "Upload Tuning Data" is enabled.
struct TuningDataFixture : EditorFixture {
    TuningDataFixture() {
        connect();
        request();
        sim->clearWire();
        log->lines.clear();
    }
    void uploadTuningData() { main().menuUploadTuningsData->trigger(); }
};

QString rowText(const Tunings::Row& row) {
    QString text;
    for (const quint32 w : row) {
        text += QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

} // namespace

class TestTuningData : public QObject {
    Q_OBJECT
private slots:
    void referenceRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("words");
        QTest::newRow("0, D2") << 0 << "007FF5ECFF002B70007FE1AB00FFD490FF80286A";
        QTest::newRow("17, G3") << 17 << "007FE51FFF00814D007FAF1C00FF7EB3FF806BC4";
        QTest::newRow("18, C3") << 18 << "007FBD9DFF009D1C007FAEDD00FF62E4FF809386";
        QTest::newRow("31, C#4") << 31 << "007F73B6FF0162AE007F548A00FE9D52FF8137C0";
    }
    void referenceRows() {
        QFETCH(int, row);
        QFETCH(QString, words);
        QCOMPARE(rowText(Tunings::TuningFilters().at(size_t(row))), words);
        QCOMPARE(Tunings::TuningDataText().mid(40 * row, 40), words);
    }

    void tableText() {
        const QString text = Tunings::TuningDataText();
        QCOMPARE(text.size(), 1280);
        QCOMPARE(Tunings::TuningDataText(), text);
    }

    // The same 641 bytes whatever tuning is chosen, after the prefix and its
    // pause, in one write after a purge.
    void uploadOnYes_data() {
        QTest::addColumn<int>("tuning");
        QTest::newRow("no tuning") << 0;
        QTest::newRow("Drop D") << 2;
    }
    void uploadOnYes() {
        QFETCH(int, tuning);
        TuningDataFixture f;
        f.editor->fxSettings().cmbGuitarTuning->setCurrentIndex(tuning);
        f.uploadTuningData();
        const QString table = Tunings::TuningDataText();
        QCOMPARE(f.dialogs.confirmations, QStringList{"Upload Tuning Data?"});
        QCOMPARE(f.log->lines, (QStringList{"tuning data: " + table, "num_of_bytes: 641"}));
        QCOMPARE(f.sim->wire(), (QStringList{"write 0D00", "pause 400", "purge 2",
                                             "write 0E" + table, "pause 100"}));
        QCOMPARE(f.pedal().writes().last().size(), 641);
        QCOMPARE(f.pedal().settings().tuningTable, QByteArray::fromHex("0E" + table.toLatin1()));
    }

    void noSendsNothingButLogsTheTable() {
        TuningDataFixture f;
        f.dialogs.answers.enqueue(false);
        f.uploadTuningData();
        QCOMPARE(f.log->lines.size(), 1);
        QVERIFY(f.log->lines[0].startsWith("tuning data: 007FF5EC"));
        QVERIFY(f.sim->wire().isEmpty());
    }
};

QTEST_MAIN(TestTuningData)
#include "test_tuning_data.moc"
