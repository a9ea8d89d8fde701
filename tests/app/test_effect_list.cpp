#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QComboBox>
#include <QListWidget>

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
};

QTEST_MAIN(TestEffectList)
#include "test_effect_list.moc"
