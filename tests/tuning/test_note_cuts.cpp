#include "EditorFixture.h"
#include "fx/TformFXsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimer>

namespace {

const QString NoTuning = "Make sure you have uploaded a tuning before setting this parameter";
const QString Assigned = "This parameter is currently assigned and cannot be controlled from here";

// Connected with the built-in effect's addresses loaded ("Dominant Note Cut"
// at 0x001B, "High Notes Cut" at 0x000C); wire and log start empty.
struct NoteCutFixture : EditorFixture {
    TformFXsettings& fx;
    NoteCutFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
        sim->clearWire();
        log->lines.clear();
    }
};

} // namespace

class TestNoteCuts : public QObject {
    Q_OBJECT
private slots:
    void switching_data() {
        QTest::addColumn<bool>("dominant");
        QTest::addColumn<int>("tuning");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("dominant on with a tuning")
            << true << 1 << true << "01001B00000001" << QStringList{};
        QTest::newRow("high on with a tuning")
            << false << 4 << true << "01000C00000001" << QStringList{};
        QTest::newRow("high on without a tuning")
            << false << 0 << false << "01000C00000000" << QStringList{NoTuning};
    }
    void switching() {
        QFETCH(bool, dominant);
        QFETCH(int, tuning);
        QFETCH(bool, shown);
        QFETCH(QString, message);
        QFETCH(QStringList, boxes);
        NoteCutFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(tuning);
        QCheckBox* box = dominant ? f.fx.chkDominantNoteCut : f.fx.chkHighNoteCut;
        box->setChecked(true);
        QCOMPARE(box->isChecked(), shown);
        QCOMPARE(f.dialogs.messages, boxes);
        QCOMPARE(f.log->lines, QStringList{"write to DSP msg: " + message});
        QCOMPARE(f.sim->wire(), QStringList{"write " + message});
        const assignable_parameter& p =
            dominant ? f.editor->parameters().DominantNoteCut : f.editor->parameters().HighNotesCut;
        QCOMPARE(p.value, shown ? 1u : 0u);
    }

    // The tuning is checked on every change: unchecking without one also
    // says so, and sends 0.
    void uncheckingWithoutATuning() {
        NoteCutFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(1);
        f.fx.chkDominantNoteCut->setChecked(true);
        f.fx.cmbGuitarTuning->setCurrentIndex(0);
        f.sim->clearWire();
        f.fx.chkDominantNoteCut->setChecked(false);
        QCOMPARE(f.dialogs.messages, QStringList{NoTuning});
        QCOMPARE(f.sim->wire(), QStringList{"write 01001B00000000"});
    }

    void assignedSwitchSendsNothing() {
        NoteCutFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(1);
        f.editor->parameters().HighNotesCut.is_assigned = true;
        f.fx.chkHighNoteCut->setChecked(true);
        QCOMPARE(f.dialogs.messages, QStringList{Assigned});
        QVERIFY(f.fx.chkHighNoteCut->isChecked());
        QVERIFY(f.sim->wire().isEmpty());
        QCOMPARE(f.editor->parameters().HighNotesCut.value, 0u);
    }

    // While another command (here the upload) waits for the pedal, the box
    // returns to the value the pedal has.
    void refusedWhileAnotherExchangeWaits() {
        NoteCutFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(1);
        f.fx.chkHighNoteCut->setChecked(true);
        f.sim->clearWire();
        f.pedal().setAnswerDelay(150);
        QTimer::singleShot(30, [&] { f.fx.chkHighNoteCut->setChecked(false); });
        f.click(f.main().btnUpload);
        QCOMPARE(f.dialogs.messages,
                 QStringList{"The pedal is still answering another command. Please try again "
                             "when it has finished."});
        QVERIFY(f.fx.chkHighNoteCut->isChecked());
        QCOMPARE(f.editor->parameters().HighNotesCut.value, 1u);
        QVERIFY(f.sim->wire().filter("write 01").isEmpty());
    }
};

QTEST_MAIN(TestNoteCuts)
#include "test_note_cuts.moc"
