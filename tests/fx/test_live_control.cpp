#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimer>
#include <QtMath>

namespace {

// The level words of the write to DSP messages the pedal received for an
// address.
QList<std::uint32_t> wordsSentTo(SimulatedPedal& pedal, std::uint16_t address) {
    QList<std::uint32_t> words;
    for (const QByteArray& w : pedal.writes()) {
        if (w.size() == 7 && w[0] == 0x01 &&
            ((std::uint8_t(w[1]) << 8) | std::uint8_t(w[2])) == address) {
            words << ((std::uint32_t(std::uint8_t(w[3])) << 24) |
                      (std::uint32_t(std::uint8_t(w[4])) << 16) |
                      (std::uint32_t(std::uint8_t(w[5])) << 8) | std::uint8_t(w[6]));
        }
    }
    return words;
}

// A mouse event at an exact angle on the dial's circle.
void mouseAt(AngleDial* dial, QEvent::Type type, double degrees) {
    const double r = qDegreesToRadians(degrees);
    const QPointF at(20 + 16 * std::cos(r), 20 - 16 * std::sin(r));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, dial->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(dial, &event);
}

struct LiveFixture : EditorFixture {
    TformFXsettings& fx;
    LiveFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
        pedal().clearWrites();
    }
};

} // namespace

class TestLiveControl : public QObject {
    Q_OBJECT
private slots:
    void clipWaveAtZero() {
        LiveFixture f;
        f.sim->clearWire();
        f.fx.dialClipWave->setAngle(0);
        // One write, no purge, no pause.
        QCOMPARE(f.sim->wire(), QStringList{"write 0100E7006A8000"});
        QCOMPARE(f.pedal().writes(), QList<QByteArray>{QByteArray::fromHex("0100e7006a8000")});
        QCOMPARE(f.editor->parameters().WaveClip.value, 0x6A8000u);
        QCOMPARE(f.pedal().firmware().parameterWord(12), 0x6A8000u);
    }

    void dragFromMinimumToMaximum() {
        LiveFixture f;
        AngleDial* dial = f.fx.dialInputLevel;
        dial->setAngle(0);
        f.pedal().clearWrites();
        mouseAt(dial, QEvent::MouseButtonPress, -135);
        for (int a = -136; a >= -405; --a) {
            mouseAt(dial, QEvent::MouseMove, a);
        }
        mouseAt(dial, QEvent::MouseButtonRelease, -45);
        const QList<std::uint32_t> words = wordsSentTo(f.pedal(), 0x000A);
        QCOMPARE(words.size(), 271);
        QCOMPARE(words.size(), f.pedal().writes().size());
        QCOMPARE(words.first(), 0u);
        QCOMPARE(words.last(), 1023u << 13);
        // -179 and 180 share position 44; every other step raises the level.
        int repeats = 0;
        for (int i = 1; i < words.size(); ++i) {
            QVERIFY(words[i] >= words[i - 1]);
            repeats += words[i] == words[i - 1];
        }
        QCOMPARE(repeats, 1);
        QCOMPARE(dial->angle(), -45);
        QCOMPARE(f.editor->parameters().InputLevel.value, 1023u << 13);
    }

    void deadSectorSnapsOnce_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("snapped");
        QTest::addColumn<uint>("word");
        QTest::newRow("-100") << -100 << -135 << 0u;
        QTest::newRow("-90") << -90 << -135 << 0u;
        QTest::newRow("-60") << -60 << -45 << (1023u << 13);
    }
    void deadSectorSnapsOnce() {
        QFETCH(int, angle);
        QFETCH(int, snapped);
        QFETCH(uint, word);
        LiveFixture f;
        f.fx.dialInputLevel->setAngle(0);
        f.pedal().clearWrites();
        f.fx.dialInputLevel->setAngle(angle);
        QCOMPARE(f.fx.dialInputLevel->angle(), snapped);
        QCOMPARE(wordsSentTo(f.pedal(), 0x000A), QList<std::uint32_t>{word});
    }

    void wheelAndKeysStepOneDegree() {
        LiveFixture f;
        AngleDial* dial = f.fx.dialClipWave;
        dial->setAngle(0);
        QTest::keyClick(dial, Qt::Key_Up);
        QCOMPARE(dial->angle(), -1);
        QTest::keyClick(dial, Qt::Key_Down);
        QCOMPARE(dial->angle(), 0);
        QWheelEvent wheel(QPointF(20, 20), dial->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(dial, &wheel);
        QCOMPARE(dial->angle(), -1);
        QCOMPARE(wordsSentTo(f.pedal(), 0x00E7).size(), 4);
    }

    // A touchpad sends parts of a notch: they add up to one degree a notch.
    void smallWheelStepsAddUp() {
        LiveFixture f;
        AngleDial* dial = f.fx.dialClipWave;
        dial->setAngle(0);
        QList<int> angles;
        for (int i = 0; i < 6; ++i) {
            QWheelEvent wheel(QPointF(20, 20), dial->mapToGlobal(QPointF(20, 20)), QPoint(),
                              QPoint(0, 40), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(dial, &wheel);
            angles << dial->angle();
        }
        QCOMPARE(angles, (QList<int>{0, 0, -1, -1, -1, -2}));
    }

    void anglesStayInRange() {
        AngleDial dial;
        QList<int> seen;
        QObject::connect(&dial, &AngleDial::angleChanged, [&](int a) { seen << a; });
        dial.setAngle(-180);
        dial.setAngle(181);
        dial.setAngle(-181);
        dial.setAngle(179);
        QCOMPARE(seen, (QList<int>{180, -179, 179}));
        dial.setEnabled(false);
        dial.setAngle(0);
        QCOMPARE(seen.last(), 0);
    }

    void pitchList_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<uint>("word");
        QTest::newRow("+12") << "+12" << 0x00800000u;
        QTest::newRow("0") << "0" << 0x00400000u;
        QTest::newRow("-12") << "-12" << 0x00200000u;
    }
    void pitchList() {
        QFETCH(QString, entry);
        QFETCH(uint, word);
        LiveFixture f;
        f.fx.cmbVariableWavePitch->setCurrentText(entry);
        QCOMPARE(wordsSentTo(f.pedal(), 0x006E), QList<std::uint32_t>{word});
        QCOMPARE(f.editor->parameters().FirstHarmonicPitch.value, word);
    }

    // No entry is no change: nothing is sent, and an assigned pitch says
    // nothing either.
    void pitchListWithoutSelectionDoesNothing_data() {
        QTest::addColumn<bool>("assigned");
        QTest::newRow("free") << false;
        QTest::newRow("assigned") << true;
    }
    void pitchListWithoutSelectionDoesNothing() {
        QFETCH(bool, assigned);
        LiveFixture f;
        f.fx.cmbVariableWavePitch->setCurrentIndex(3);
        f.pedal().clearWrites();
        f.editor->parameters().FirstHarmonicPitch.is_assigned = assigned;
        f.fx.cmbVariableWavePitch->setCurrentIndex(-1);
        QVERIFY(f.pedal().writes().isEmpty());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void pitchListShowsTwelveEntries() {
        LiveFixture f;
        QComboBox* list = f.fx.cmbVariableWavePitch;
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int rows = view->viewport()->height() / view->sizeHintForRow(0);
        list->hidePopup();
        QCOMPARE(rows, 12);
    }

    // While another command (here the upload) waits for the pedal, a moved
    // control is refused and shows again the value the pedal has.
    void refusedWhileAnotherExchangeWaits() {
        LiveFixture f;
        f.fx.dialInputLevel->setAngle(0);
        f.fx.cmbVariableWavePitch->setCurrentIndex(12);
        f.pedal().clearWrites();
        f.pedal().setAnswerDelay(150);
        QTimer::singleShot(30, [&] {
            f.fx.dialInputLevel->setAngle(10);
            f.fx.dialClipWave->setAngle(10);
            f.fx.cmbVariableWavePitch->setCurrentIndex(20);
        });
        f.click(f.main().btnUpload);
        const QString refusal =
            "The pedal is still answering another command. Please try again when it has finished.";
        QCOMPARE(f.dialogs.messages, (QStringList{refusal, refusal, refusal}));
        QCOMPARE(f.pedal().writes().size(), 2);
        QCOMPARE(f.fx.dialInputLevel->angle(), 0);
        QCOMPARE(f.fx.dialClipWave->angle(), -135);
        QCOMPARE(f.fx.cmbVariableWavePitch->currentIndex(), 12);
        QCOMPARE(f.editor->parameters().InputLevel.value, 0x6A8000u);
        QCOMPARE(f.editor->parameters().WaveClip.value, 0u);
        QCOMPARE(f.editor->parameters().FirstHarmonicPitch.value, 0x00400000u);
        // Afterwards the controls send again.
        f.fx.dialClipWave->setAngle(0);
        QCOMPARE(wordsSentTo(f.pedal(), 0x00E7), QList<std::uint32_t>{0x6A8000u});
    }

    void plainDialsSendWhenTheProgramTurnsThem() {
        LiveFixture f;
        QVERIFY(!f.fx.dialDry->isEnabled());
        f.fx.dialDry->setAngle(89);
        QCOMPARE(wordsSentTo(f.pedal(), 0x000B), QList<std::uint32_t>{0x402000u});
        QCOMPARE(f.editor->parameters().Dry.value, 0x402000u);
    }

    void assignedLock() {
        LiveFixture f;
        const QString locked =
            "This parameter is currently assigned and cannot be controlled from here";
        f.editor->parameters().InputLevel.is_assigned = true;
        f.editor->parameters().WaveClip.is_assigned = true;
        f.editor->parameters().FirstHarmonicPitch.is_assigned = true;
        f.fx.dialInputLevel->setAngle(0);
        f.fx.dialInputLevel->setAngle(10);
        f.fx.dialClipWave->setAngle(0);
        f.fx.cmbVariableWavePitch->setCurrentIndex(5);
        QCOMPARE(f.dialogs.messages, (QStringList{locked, locked, locked, locked}));
        QVERIFY(f.pedal().writes().isEmpty());
        QCOMPARE(f.editor->parameters().InputLevel.value, 0u);
        QCOMPARE(f.fx.dialInputLevel->angle(), 10);
        QCOMPARE(f.fx.cmbVariableWavePitch->currentIndex(), 5);

        // A readback is not refused.
        f.editor->state().ReadbackInProgress = true;
        f.fx.dialInputLevel->setAngle(0);
        f.editor->state().ReadbackInProgress = false;
        QCOMPARE(wordsSentTo(f.pedal(), 0x000A), QList<std::uint32_t>{0x6A8000u});
    }

    void withoutAPedalTheValueIsKept() {
        EditorFixture f;
        f.clickEffect();
        f.editor->fxSettings().dialDry->setAngle(0);
        QCOMPARE(f.dialogs.messages, QStringList{"FT_Write - Invalid handle..."});
        QCOMPARE(f.editor->parameters().Dry.value, 0x6A8000u);
    }
};

QTEST_MAIN(TestLiveControl)
#include "test_live_control.moc"
