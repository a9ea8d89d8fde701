#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"
#include "widgets/OnOffSwitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

// The 82 values of a settings answer, built field by field.
struct Answer {
    QByteArray v = QByteArray(82, '\0');
    Answer() {
        v[0] = 7;
        v[2] = 8;
        v[3] = 1;
        for (int c = 0; c < 5; ++c) {
            target(c, 0xFFFF);
        }
    }
    Answer& mode(int m) {
        v[4] = char(m);
        return *this;
    }
    Answer& flag(int control, int f) {
        v[5 + control] = char(f);
        return *this;
    }
    Answer& target(int control, int t) {
        v[10 + 2 * control] = char(t >> 8);
        v[11 + 2 * control] = char(t);
        return *this;
    }
    Answer& tuning(int t, int semitoneByte) {
        v[20] = char(t);
        v[21] = char(semitoneByte);
        return *this;
    }
    // Parameter i in the answer's order: Dry, Sub Mix, -1 Oct, -2 Oct, Wave,
    // Low Pass, High Pass, 1st Harmonic, Split, Range, Input Level, 1st
    // Harmonic Pitch, Wave Clip, Dominant Note Cut, High Notes Cut.
    Answer& word(int i, quint32 w) {
        for (int b = 0; b < 4; ++b) {
            v[22 + 4 * i + b] = char(w >> (24 - 8 * b));
        }
        return *this;
    }
};

// Connected with the built-in effect's addresses loaded; the pedal will give
// `answer` to the next request.
struct ReadbackFixture : EditorFixture {
    TformFXsettings& fx;
    ReadbackFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
    }
    void readBack(const Answer& answer) {
        pedal().setGarbage(PedalFirmware::encodeValues(answer.v));
        pedal().clearWrites();
        log->lines.clear();
        request();
    }
    // The words the pedal received for an address, in order.
    QList<quint32> sentTo(quint16 address) {
        QList<quint32> words;
        for (const QByteArray& w : pedal().writes()) {
            if (w.size() == 7 && w[0] == 0x01 &&
                quint16((quint8(w[1]) << 8) | quint8(w[2])) == address) {
                words << ((quint32(quint8(w[3])) << 24) | (quint32(quint8(w[4])) << 16) |
                          (quint32(quint8(w[5])) << 8) | quint8(w[6]));
            }
        }
        return words;
    }
    QList<int> listEntries() {
        QList<int> entries;
        for (QComboBox* list : fx.assignmentLists()) {
            entries << list->currentIndex();
        }
        return entries;
    }
};

} // namespace

class TestReadback : public QObject {
    Q_OBJECT
private slots:
    void fullReadback() {
        ReadbackFixture f;
        Answer a;
        a.mode(3).flag(0, 1).target(0, 0x000A).flag(4, 1).target(4, 0xFFFD).tuning(3, 0xFF);
        const quint32 words[15] = {0x400000, 0,  0x7FE000, 0x154000, 0x600000, 12, 16,   0x400000,
                                   1,        22, 0x400000, 0x400000, 0,        1,  0x300};
        for (int i = 0; i < 15; ++i) {
            a.word(i, words[i]);
        }
        f.readBack(a);

        QVERIFY(f.fx.chkChangePresetShortPress->isChecked());
        QVERIFY(f.fx.chkBypassLongPress->isChecked());
        QCOMPARE(f.listEntries(), (QList<int>{1, 0, 0, 0, 2}));
        ParameterSet& p = f.editor->parameters();
        QVERIFY(p.InputLevel.is_assigned);
        for (const assignable_parameter* other :
             {&p.FirstHarmonicPitch, &p.WaveClip, &p.DominantNoteCut, &p.HighNotesCut}) {
            QVERIFY(!other->is_assigned);
        }
        QCOMPARE(f.editor->effectSettings().AssignFlags, (std::array<bool, 5>{1, 0, 0, 0, 1}));
        QCOMPARE(f.fx.cmbGuitarTuning->currentIndex(), 3);
        QCOMPARE(f.fx.cmbSemitonesVariation->currentText(), QStringLiteral("-1"));

        const QStringList& lines = f.log->lines;
        const int at = int(lines.indexOf("Footswitch Mode: 3"));
        QVERIFY(at > 0);
        QCOMPARE(lines.mid(at, 18),
                 (QStringList{"Footswitch Mode: 3", "Current Tuning: 3", "Semitones variation: FF",
                              "Dry: \t00400000", "Sub Mix: 00000000", "Sub -1: \t007FE000",
                              "Sub -2: \t00154000", "Wave: \t00600000", "LPF: \t0000000C",
                              "HPF: \t00000010", "1st Harmonic: \t00400000", "Split: \t00000001",
                              "Range: \t00000016", "Input Lvl: \t00400000",
                              "Harmonic pitch: \t00400000", "Clip: \t00000000",
                              "Dominant notes cut: \t00000001", "High notes cut: \t00000300"}));

        const QList<QPair<AngleDial*, int>> angles = {
            {f.fx.dialDry, 89},         {f.fx.dialSubMix, -135}, {f.fx.dialMinus1Oct, -45},
            {f.fx.dialMinus2Oct, 180},  {f.fx.dialLowPass, 90},  {f.fx.dialHighPass, -45},
            {f.fx.dial1stHarmonic, 89}, {f.fx.dialRange, -45},   {f.fx.dialInputLevel, 89},
            {f.fx.dialClipWave, -135},
        };
        for (const auto& [dial, angle] : angles) {
            QCOMPARE(dial->angle(), angle);
        }
        QVERIFY(!f.fx.swtWave->isChecked());
        QVERIFY(f.fx.swtSplit->isChecked());
        QCOMPARE(f.fx.cmbVariableWavePitch->currentText(), QStringLiteral("0"));
        QVERIFY(f.fx.chkDominantNoteCut->isChecked());
        QVERIFY(!f.fx.chkHighNoteCut->isChecked());

        // Each control that moved sends its value back, the assigned one too:
        // the level its new angle gives, which can differ from the word read.
        QCOMPARE(f.sentTo(0x000B), QList<quint32>{0x402000}); // Dry
        QCOMPARE(f.sentTo(0x0077), QList<quint32>{0x7FE000}); // -1 Oct
        QCOMPARE(f.sentTo(0x000A), QList<quint32>{0x402000}); // Input Level
        QCOMPARE(f.sentTo(0x006E), QList<quint32>{0x400000}); // 1st Harmonic Pitch
        QCOMPARE(f.sentTo(0x001B), QList<quint32>{1});        // Dominant Note Cut
        QVERIFY(f.sentTo(0x00E8).isEmpty());                  // Sub Mix did not move
        QVERIFY(f.sentTo(0x00E7).isEmpty());                  // Wave Clip did not move
        QCOMPARE(p.Dry.value, 0x402000u);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void footswitchModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("shortChangesPreset");
        QTest::addColumn<bool>("longBypasses");
        QTest::newRow("0") << 0 << false << false;
        QTest::newRow("1") << 1 << false << true;
        QTest::newRow("2") << 2 << true << false;
        QTest::newRow("3") << 3 << true << true;
        // Above 3: logged, the buttons stay at their design state.
        QTest::newRow("4") << 4 << false << false;
    }
    void footswitchModes() {
        QFETCH(int, mode);
        QFETCH(bool, shortChangesPreset);
        QFETCH(bool, longBypasses);
        ReadbackFixture f;
        f.readBack(Answer().mode(mode));
        QVERIFY(f.log->lines.contains(QStringLiteral("Footswitch Mode: %1").arg(mode)));
        QCOMPARE(f.fx.chkChangePresetShortPress->isChecked(), shortChangesPreset);
        QCOMPARE(f.fx.chkBypassShortPress->isChecked(), !shortChangesPreset);
        QCOMPARE(f.fx.chkBypassLongPress->isChecked(), longBypasses);
        QCOMPARE(f.fx.chkChangePresetLongPress->isChecked(), !longBypasses);
    }

    // A note cut on Control III is shown even with no tuning; a target that
    // matches nothing leaves its list.
    void assignmentsWithoutTuning() {
        ReadbackFixture f;
        f.fx.assignmentLists()[4]->setCurrentIndex(1);
        f.readBack(
            Answer().flag(1, 1).target(1, 0x00E7).flag(2, 1).target(2, 0x000C).flag(4, 1).target(
                4, 0x1234));
        QCOMPARE(f.listEntries(), (QList<int>{0, 3, 2, 0, 1}));
        QVERIFY(f.editor->parameters().WaveClip.is_assigned);
        QVERIFY(f.editor->parameters().HighNotesCut.is_assigned);
        QVERIFY(!f.editor->parameters().InputLevel.is_assigned);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // Bytes with no list entry leave the lists; a pitch word in no position
    // leaves the pitch list.
    void valuesWithoutAnEntry() {
        ReadbackFixture f;
        f.fx.cmbVariableWavePitch->setCurrentIndex(5);
        f.fx.cmbGuitarTuning->setCurrentIndex(2);
        f.readBack(Answer().tuning(9, 0x10).word(11, 0x00400001));
        QCOMPARE(f.fx.cmbGuitarTuning->currentIndex(), 2);
        QCOMPARE(f.fx.cmbSemitonesVariation->currentText(), QStringLiteral("0"));
        QCOMPARE(f.fx.cmbVariableWavePitch->currentIndex(), 5);
        QVERIFY(f.log->lines.contains("Current Tuning: 9"));
        QVERIFY(f.log->lines.contains("Semitones variation: 10"));
    }
};

QTEST_MAIN(TestReadback)
#include "test_readback.moc"
