#include "EditorFixture.h"
#include "fx/TformFXsettings.h"

#include <QComboBox>

namespace {

// Connected and read, so "Set Tuning" is enabled; wire and log start empty.
struct TuningFixture : EditorFixture {
    TformFXsettings& fx;
    TuningFixture() : fx(editor->fxSettings()) {
        connect();
        request();
        sim->clearWire();
        log->lines.clear();
    }
    void choose(int tuning, const QString& semitones) {
        fx.cmbGuitarTuning->setCurrentIndex(tuning);
        fx.cmbSemitonesVariation->setCurrentText(semitones);
    }
    void setTuning() { click(main().btnSetTuning); }
};

} // namespace

class TestTuning : public QObject {
    Q_OBJECT
private slots:
    void tuningMessage_data() {
        QTest::addColumn<int>("tuning");
        QTest::addColumn<QString>("semitones");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("offset");
        QTest::newRow("no tuning, 0") << 0 << "0"
                                      << "090000" << 0;
        QTest::newRow("Standard, 0") << 1 << "0"
                                     << "090100" << 0;
        QTest::newRow("Drop D, -2") << 2 << "-2"
                                    << "0902FE" << -2;
        QTest::newRow("Open A, -5") << 6 << "-5"
                                    << "0906FB" << -5;
        QTest::newRow("Baritone, +3") << 7 << "+3"
                                      << "090703" << 3;
    }
    void tuningMessage() {
        QFETCH(int, tuning);
        QFETCH(QString, semitones);
        QFETCH(QString, message);
        QFETCH(int, offset);
        TuningFixture f;
        f.choose(tuning, semitones);
        QVERIFY(f.sim->wire().isEmpty());
        f.setTuning();
        QCOMPARE(f.log->lines, QStringList{"Tuning Message: " + message});
        QCOMPARE(f.dialogs.confirmations, QStringList{"Set new tuning?"});
        QCOMPARE(f.sim->wire(), (QStringList{"purge 2", "write " + message, "pause 100"}));
        QCOMPARE(int(f.pedal().settings().tuning), tuning);
        QCOMPARE(int(f.pedal().settings().semitones), offset);
    }

    void noSendsNothingButKeepsTheLogLine() {
        TuningFixture f;
        f.choose(2, "-2");
        f.dialogs.answers.enqueue(false);
        f.setTuning();
        QCOMPARE(f.log->lines, QStringList{"Tuning Message: 0902FE"});
        QVERIFY(f.sim->wire().isEmpty());
    }

    // Going back to "No Tuning Selected" is a choice like the others.
    void backToNoTuning() {
        TuningFixture f;
        f.choose(2, "-2");
        f.choose(0, "0");
        f.setTuning();
        QCOMPARE(f.sim->wire().filter("write"), QStringList{"write 090000"});
    }

    void eachPressSendsAgain() {
        TuningFixture f;
        f.choose(1, "0");
        f.setTuning();
        f.setTuning();
        QCOMPARE(f.sim->wire().filter("write"), (QStringList{"write 090100", "write 090100"}));
    }

    // Until the settings have been read from the pedal, the tuning cannot be
    // sent.
    void buttonFollowsTheSettingsRequest() {
        EditorFixture f;
        f.connect();
        QVERIFY(!f.main().btnSetTuning->isEnabled());
        f.request();
        QVERIFY(f.main().btnSetTuning->isEnabled());
    }
};

QTEST_MAIN(TestTuning)
#include "test_tuning.moc"
