#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

class TestEffectList : public QObject {
    Q_OBJECT
private slots:
    void builtInList() {
        EditorFixture f;
        QListWidget* list = f.main().lstEffects;
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Tarnwick ZQ7 0008"));
        QCOMPARE(f.editor->state().ListAlgorithmVersion, 8);
        QVERIFY(f.editor->state().SelectedEffectName.isEmpty());
    }

    void clickOpensTheSettingsBesideTheMainWindow() {
        EditorFixture f;
        TformFXsettings& fx = f.editor->fxSettings();
        QCOMPARE(f.editor->parameters().Dry.address, std::uint16_t(0));
        QCOMPARE(f.editor->parameters().InputLevel.address, std::uint16_t(0xFFFF));
        f.clickEffect();
        QCOMPARE(f.log->lines.mid(0, 3),
                 (QStringList{"efx index :0", "selected effect name: Tarnwick ZQ7 0008",
                              "resource name: Tarnwick_ZQ7_0008"}));
        QCOMPARE(f.log->lines.value(3).size(), 9280);
        QCOMPARE(f.editor->state().SelectedEffectName, QStringLiteral("Tarnwick ZQ7 0008"));
        QVERIFY(fx.isVisible());
        QCOMPARE(fx.windowTitle(), QStringLiteral("Tarnwick ZQ7 0008"));
        const QRect main = f.main().frameGeometry();
        QCOMPARE(fx.frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
        QCOMPARE(f.editor->parameters().Dry.address, std::uint16_t(0x000B));
        QCOMPARE(f.editor->parameters().InputLevel.address, std::uint16_t(0x000A));
        QCOMPARE(f.editor->parameters().HighNotesCut.address, std::uint16_t(0x000C));
        QCOMPARE(f.editor->parameters().Range.address, std::uint16_t(0));
        // Not connected: everything disabled.
        QVERIFY(!fx.dialInputLevel->isEnabled());
        QVERIFY(!fx.cmbVariableWavePitch->isEnabled());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void controlsFollowTheConnection() {
        EditorFixture f;
        f.connect();
        f.clickEffect();
        TformFXsettings& fx = f.editor->fxSettings();
        QVERIFY(fx.dialInputLevel->isEnabled());
        QVERIFY(fx.dialClipWave->isEnabled());
        QVERIFY(fx.cmbVariableWavePitch->isEnabled());
        QVERIFY(fx.cmbAssignCtrlUNO->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{fx.dialDry, fx.dialMinus1Oct,
                                                          fx.dialSubMix, fx.dialRange}) {
            QVERIFY(!w->isEnabled());
        }
        f.trigger(f.main().menuDisconnect);
        QVERIFY(!fx.dialInputLevel->isEnabled());
        f.connect();
        QVERIFY(fx.dialInputLevel->isEnabled());
        QVERIFY(!fx.dialDry->isEnabled());
    }

    void clickingAgainReopens() {
        EditorFixture f;
        f.clickEffect();
        int hides = 0;
        struct HideCounter : QObject {
            int* count;
            explicit HideCounter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Hide) {
                    ++*count;
                }
                return false;
            }
        } counter(&hides);
        f.editor->fxSettings().installEventFilter(&counter);
        f.clickEffect();
        QCOMPARE(hides, 1);
        QVERIFY(f.editor->fxSettings().isVisible());
        QCOMPARE(f.log->lines.filter("efx index :").size(), 2);
    }

    void missingImageEndsTheOpening() {
        EditorFixture f;
        f.clickEffect();
        TformFXsettings& fx = f.editor->fxSettings();
        const QStringList lines = f.editor->resources().ResourceLines;
        f.editor->state().SelectedEffectName = "Tarnwick ZQ7 0009";
        f.editor->parameters().Dry.address = 0x0123;
        f.editor->report().run([&] { fx.FormShow(); });
        QCOMPARE(f.dialogs.messages, QStringList{"Resource Tarnwick_ZQ7_0009 not found"});
        QCOMPARE(f.editor->resources().ResourceLines, lines);
        QCOMPARE(f.editor->parameters().Dry.address, std::uint16_t(0x0123));
    }

    void arrowKeysOnlyLog() {
        EditorFixture f;
        QListWidget* list = f.main().lstEffects;
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_A);
        QCOMPARE(f.log->lines, (QStringList{"arrow down pressed", "arrow up pressed"}));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(f.editor->state().SelectedEffectName.isEmpty());
        QVERIFY(!f.editor->fxSettings().isVisible());
    }

    void designStateOfTheSettingsWindow() {
        EditorFixture f;
        TformFXsettings& fx = f.editor->fxSettings();
        const QList<QPair<AngleDial*, QPoint>> dials = {
            {fx.dialDry, {15, 8}},       {fx.dialMinus1Oct, {75, 8}},
            {fx.dialSubMix, {15, 72}},   {fx.dialMinus2Oct, {75, 72}},
            {fx.dialLowPass, {15, 136}}, {fx.dialHighPass, {75, 136}},
            {fx.dialRange, {15, 208}},   {fx.dialInputLevel, {208, 8}},
            {fx.dialClipWave, {267, 8}}, {fx.dial1stHarmonic, {78, 208}},
        };
        for (const auto& [dial, at] : dials) {
            QCOMPARE(dial->mapTo(&fx, QPoint(0, 0)), at);
            QCOMPARE(dial->size(), QSize(40, 40));
            QCOMPARE(dial->angle(), -135);
        }
        QVERIFY(fx.dialInputLevel->isEnabled());
        QVERIFY(!fx.dialDry->isEnabled());
        QCOMPARE(fx.cmbVariableWavePitch->count(), 25);
        QCOMPARE(fx.cmbVariableWavePitch->itemText(0), QStringLiteral("-12"));
        QCOMPARE(fx.cmbVariableWavePitch->itemText(12), QStringLiteral("0"));
        QCOMPARE(fx.cmbVariableWavePitch->itemText(24), QStringLiteral("+12"));
        QCOMPARE(fx.cmbVariableWavePitch->currentIndex(), -1);
        QCOMPARE(fx.cmbGuitarTuning->currentText(), QStringLiteral("No Tuning Selected"));
        QCOMPARE(fx.cmbGuitarTuning->count(), 8);
        QCOMPARE(fx.cmbSemitonesVariation->currentText(), QStringLiteral("0"));
        for (QComboBox* list : fx.assignmentLists()) {
            QCOMPARE(list->currentText(), QStringLiteral("Not Assigned"));
        }
        QCOMPARE(fx.cmbAssignCtrlTRE->itemText(2), QStringLiteral("High Notes Cut"));
        QVERIFY(fx.chkBypassShortPress->isChecked());
        QVERIFY(fx.chkChangePresetLongPress->isChecked());
        QVERIFY(!fx.chkDominantNoteCut->isChecked());
        QVERIFY(fx.dialInputLevel->toolTip().contains("By deafult"));
        QCOMPARE(fx.size(), QSize(333, 517));
        QCOMPARE(fx.cmbAssignCtrlQUATTRO->mapTo(&fx, QPoint(0, 0)), QPoint(195, 441));
        QCOMPARE(fx.cmbGuitarTuning->mapTo(&fx, QPoint(0, 0)), QPoint(194, 101));
        QCOMPARE(fx.cmbVariableWavePitch->mapTo(&fx, QPoint(0, 0)), QPoint(155, 229));
    }
};

QTEST_MAIN(TestEffectList)
#include "test_effect_list.moc"
