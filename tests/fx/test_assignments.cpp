#include "EditorFixture.h"
#include "fx/TformFXsettings.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

using Entries = QList<int>;

// Connected, the built-in effect's addresses loaded and the settings read, so
// "Assign" and "Set Footswitch Mode" are enabled; wire and log start empty.
struct AssignFixture : EditorFixture {
    TformFXsettings& fx;
    AssignFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
        request();
        sim->clearWire();
        log->lines.clear();
    }
    void choose(const Entries& entries) {
        const auto lists = fx.assignmentLists();
        for (int i = 0; i < entries.size(); ++i) {
            lists[size_t(i)]->setCurrentIndex(entries[i]);
        }
    }
};

const QString NoTuning = "No tuning selected, Select a tuning before assigning this parameter";

} // namespace

class TestAssignments : public QObject {
    Q_OBJECT
private slots:
    void assignMessage_data() {
        QTest::addColumn<int>("tuning");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<uint>("dominantCutValue");
        QTest::newRow("nothing assigned")
            << 0 << Entries{0, 0, 0, 0, 0} << "040000000000FFFFFFFFFFFFFFFFFFFF" << 0u;
        // Control I Input Level, II Wave Clip, III Dominant Note Cut with
        // Standard tuning, IV nothing, remote Preset.
        QTest::newRow("note cut on III")
            << 1 << Entries{1, 3, 1, 0, 2} << "040101010001000A00E7001BFFFFFFFD" << 0x100u;
        QTest::newRow("note cut on IV")
            << 1 << Entries{1, 3, 0, 1, 2} << "040101000101000A00E7FFFF001BFFFD" << 0u;
        QTest::newRow("pitch on II, high cut on III, remote Bypass")
            << 7 << Entries{0, 2, 2, 0, 1} << "040001010001FFFF006E000CFFFFFFFE" << 0u;
    }
    void assignMessage() {
        QFETCH(int, tuning);
        QFETCH(Entries, entries);
        QFETCH(QString, message);
        QFETCH(uint, dominantCutValue);
        AssignFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(tuning);
        f.choose(entries);
        QVERIFY(f.sim->wire().isEmpty());
        f.click(f.main().btnAssign);
        QCOMPARE(f.log->lines, (QStringList{"lenght of assign message in bytes: 16",
                                            "assign message: " + message}));
        QCOMPARE(f.dialogs.confirmations, QStringList{"Upload Assignments?"});
        QCOMPARE(f.sim->wire(), (QStringList{"write " + message, "pause 100"}));
        QVERIFY(f.main().btnAssign->isEnabled());
        QCOMPARE(f.editor->parameters().DominantNoteCut.value, dominantCutValue);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void noSendsNothingButLogsBothLines() {
        AssignFixture f;
        f.dialogs.answers.enqueue(false);
        f.click(f.main().btnAssign);
        QCOMPARE(f.log->lines.size(), 2);
        QVERIFY(f.sim->wire().isEmpty());
    }

    // A note cut on Control III or IV needs a tuning; a readback sets it
    // all the same.
    void noteCutNeedsATuning_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("readback");
        QTest::addColumn<bool>("refused");
        QTest::newRow("dominant cut on III") << 2 << 1 << false << true;
        QTest::newRow("high cut on IV") << 3 << 2 << false << true;
        QTest::newRow("high cut on III during a readback") << 2 << 2 << true << false;
        QTest::newRow("input level on I") << 0 << 1 << false << false;
    }
    void noteCutNeedsATuning() {
        QFETCH(int, control);
        QFETCH(int, entry);
        QFETCH(bool, readback);
        QFETCH(bool, refused);
        AssignFixture f;
        f.editor->state().ReadbackInProgress = readback;
        f.fx.assignmentLists()[size_t(control)]->setCurrentIndex(entry);
        f.editor->state().ReadbackInProgress = false;
        QCOMPARE(f.dialogs.messages, refused ? QStringList{NoTuning} : QStringList{});
        QCOMPARE(f.fx.assignmentLists()[size_t(control)]->currentIndex(), refused ? 0 : entry);
        QCOMPARE(f.editor->effectSettings().AssignFlags[size_t(control)], !refused);
    }

    void footswitchMessage_data() {
        QTest::addColumn<bool>("shortChangesPreset");
        QTest::addColumn<bool>("longBypasses");
        QTest::addColumn<QString>("message");
        QTest::newRow("short Bypass, long Change Preset") << false << false << "080000";
        QTest::newRow("short Bypass, long Bypass") << false << true << "080001";
        QTest::newRow("short Change Preset, long Change Preset") << true << false << "080100";
        QTest::newRow("short Change Preset, long Bypass") << true << true << "080101";
    }
    void footswitchMessage() {
        QFETCH(bool, shortChangesPreset);
        QFETCH(bool, longBypasses);
        QFETCH(QString, message);
        AssignFixture f;
        (shortChangesPreset ? f.fx.chkChangePresetShortPress : f.fx.chkBypassShortPress)
            ->setChecked(true);
        (longBypasses ? f.fx.chkBypassLongPress : f.fx.chkChangePresetLongPress)->setChecked(true);
        QVERIFY(f.sim->wire().isEmpty());
        f.click(f.main().btnSetFootswitchMode);
        QCOMPARE(f.log->lines, (QStringList{"footswitch behaviour message: " + message, message}));
        QVERIFY(f.dialogs.confirmations.isEmpty());
        QCOMPARE(f.sim->wire(), QStringList{"write " + message});
    }
};

QTEST_MAIN(TestAssignments)
#include "test_assignments.moc"
