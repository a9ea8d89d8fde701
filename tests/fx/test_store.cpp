#include "EditorFixture.h"
#include "fx/TformFXsettings.h"

#include <QComboBox>

namespace {

// Connected, the built-in effect's addresses loaded and the settings read, so
// "Save Parameters" is enabled; wire and log start empty.
struct StoreFixture : EditorFixture {
    TformFXsettings& fx;
    StoreFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
        request();
        sim->clearWire();
        log->lines.clear();
    }
    void save() { click(main().btnSaveParameters); }
};

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void storeMessage() {
        StoreFixture f;
        ParameterSet& p = f.editor->parameters();
        p.InputLevel.value = 0x00400000;
        p.FirstHarmonicPitch.value = 0x00400000;
        p.WaveClip.value = 0;
        p.DominantNoteCut.value = 0;
        p.HighNotesCut.value = 1;
        f.save();
        const QString message = "030040000000400000000000000000000000000001";
        QCOMPARE(f.log->lines, (QStringList{"Store settings message (HEX): " + message, "21"}));
        QCOMPARE(f.dialogs.confirmations, QStringList{"Save Parameters to pedal?"});
        QCOMPARE(f.sim->wire(), (QStringList{"purge 2", "write " + message, "pause 100"}));
        QCOMPARE(f.pedal().settings().storedWords,
                 (std::array<std::uint32_t, 5>{0x400000, 0x400000, 0, 0, 1}));
    }

    void noSendsNothingButLogsBothLines() {
        StoreFixture f;
        f.dialogs.answers.enqueue(false);
        f.save();
        QCOMPARE(f.log->lines.size(), 2);
        QCOMPARE(f.log->lines.value(1), QStringLiteral("21"));
        QVERIFY(f.sim->wire().isEmpty());
    }

    // A note cut assigned to Control III carries the tuning in its value,
    // and that is what is stored.
    void noteCutOnControlIIIStoresTheTuning() {
        StoreFixture f;
        f.fx.cmbGuitarTuning->setCurrentIndex(2);
        f.fx.cmbAssignCtrlTRE->setCurrentIndex(2);
        f.click(f.main().btnAssign);
        f.save();
        QCOMPARE(f.pedal().settings().storedWords[4], 0x00000200u);
    }

    // After a readback the pedal keeps exactly the words the window shows:
    // its mid levels (0x400000) show at 89 and were sent back as 0x402000.
    void readbackThenSaveStoresWhatIsShown() {
        StoreFixture f;
        f.save();
        QCOMPARE(f.pedal().settings().storedWords,
                 (std::array<std::uint32_t, 5>{0x402000, 0x400000, 0x402000, 0, 0}));
        QCOMPARE(f.pedal().firmware().parameterWord(10), 0x402000u);
        QCOMPARE(f.pedal().firmware().parameterWord(12), 0x402000u);
    }
};

QTEST_MAIN(TestStore)
#include "test_store.moc"
