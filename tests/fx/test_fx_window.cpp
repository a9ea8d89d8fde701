#include "EditorFixture.h"
#include "FxVocabulary.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"
#include "widgets/OnOffSwitch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// A coordinate, a size or a state the window's design leaves open.
constexpr int Free = -1;
// How far a label may stand from the control it names.
constexpr int LabelGap = 6;

// The window's controls by name, through its public members.
QMap<QString, QWidget*> controls(TformFXsettings& w) {
    return {
        {"dialDry", w.dialDry},
        {"dialMinus1Oct", w.dialMinus1Oct},
        {"dialSubMix", w.dialSubMix},
        {"dialMinus2Oct", w.dialMinus2Oct},
        {"dialLowPass", w.dialLowPass},
        {"dialHighPass", w.dialHighPass},
        {"dialRange", w.dialRange},
        {"swtWave", w.swtWave},
        {"swtSplit", w.swtSplit},
        {"dialInputLevel", w.dialInputLevel},
        {"dialClipWave", w.dialClipWave},
        {"dial1stHarmonic", w.dial1stHarmonic},
        {"cmbVariableWavePitch", w.cmbVariableWavePitch},
        {"frameHarmonic", w.frameHarmonic},
        {"frameTracking", w.frameTracking},
        {"cmbGuitarTuning", w.cmbGuitarTuning},
        {"cmbSemitonesVariation", w.cmbSemitonesVariation},
        {"chkDominantNoteCut", w.chkDominantNoteCut},
        {"chkHighNoteCut", w.chkHighNoteCut},
        {"cmbAssignCtrlUNO", w.cmbAssignCtrlUNO},
        {"cmbAssignCtrlDUE", w.cmbAssignCtrlDUE},
        {"cmbAssignCtrlTRE", w.cmbAssignCtrlTRE},
        {"cmbAssignCtrlQUATTRO", w.cmbAssignCtrlQUATTRO},
        {"cmbAssignRemote", w.cmbAssignRemote},
        {"chkBypassShortPress", w.chkBypassShortPress},
        {"chkChangePresetShortPress", w.chkChangePresetShortPress},
        {"chkBypassLongPress", w.chkBypassLongPress},
        {"chkChangePresetLongPress", w.chkChangePresetLongPress},
    };
}

// The controls that only the program turns: disabled whatever the connection.
const QStringList AlwaysDisabled = {"dialDry",     "dialMinus1Oct", "dialSubMix", "dialMinus2Oct",
                                    "dialLowPass", "dialHighPass",  "dialRange",  "dial1stHarmonic",
                                    "swtWave",     "swtSplit"};

QRect inClient(QWidget* widget, TformFXsettings& window) {
    return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
}

bool isKind(QWidget* widget, const QString& kind) {
    if (kind == "dial") {
        return qobject_cast<AngleDial*>(widget);
    }
    if (kind == "switch") {
        return qobject_cast<OnOffSwitch*>(widget);
    }
    if (kind == "list") {
        return qobject_cast<QComboBox*>(widget);
    }
    if (kind == "check box") {
        return qobject_cast<QCheckBox*>(widget);
    }
    if (kind == "radio button") {
        return qobject_cast<QRadioButton*>(widget);
    }
    return false;
}

// Whether a label at `l` names a control at `c` from the given side.
bool labelNames(const QRect& l, const QRect& c, const QString& side) {
    const bool acrossColumns = l.left() <= c.right() && c.left() <= l.right();
    const bool acrossRows = l.top() <= c.bottom() && c.top() <= l.bottom();
    const auto near = [](int gap) { return gap >= 0 && gap <= LabelGap; };
    if (side == "below") {
        // Just below, under the control's middle.
        return near(l.top() - (c.top() + c.height())) && l.left() <= c.center().x() &&
               c.center().x() <= l.right();
    }
    if (side == "above") {
        return near(c.top() - (l.top() + l.height())) && acrossColumns;
    }
    if (side == "right") {
        return near(l.left() - (c.left() + c.width())) && acrossRows;
    }
    if (side == "beside") {
        return !l.intersects(c) &&
               l.adjusted(-LabelGap, -LabelGap, LabelGap, LabelGap).intersects(c);
    }
    return false;
}

// The labels of the window showing exactly this text.
QList<QLabel*> labelsWithText(TformFXsettings& window, const QString& text) {
    QList<QLabel*> found;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == text && label->isVisibleTo(&window)) {
            found << label;
        }
    }
    return found;
}

// A widget for a failure message: its class, place and any text.
QString describe(QWidget* widget, TformFXsettings& window) {
    const QRect at = inClient(widget, window);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = button->text();
    }
    return QStringLiteral("%1 at %2,%3 \"%4\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()))
        .arg(at.left())
        .arg(at.top())
        .arg(text);
}

struct FxFixture : EditorFixture {
    TformFXsettings& fx;
    FxFixture() : fx(editor->fxSettings()) {}
};

} // namespace

class TestFxWindow : public QObject {
    Q_OBJECT
private slots:
    void captionAndFixedClientArea() {
        FxFixture f;
        QCOMPARE(f.fx.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(f.fx.size(), QSize(333, 517));
        QCOMPARE(f.fx.minimumSize(), QSize(333, 517));
        QCOMPARE(f.fx.maximumSize(), QSize(333, 517));
    }

    void controlsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        // Where the text stands: "own" (the control's own text), or the side of
        // the control where its label stands, or "" (no text of its own).
        QTest::addColumn<QString>("side");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("checked");
        const auto row = [](const char* name, const char* kind, const char* text, const char* side,
                            QRect geometry, bool enabled, int checked = Free) {
            QTest::newRow(name) << QString(name) << QString(kind) << QString(text) << QString(side)
                                << geometry << enabled << checked;
        };
        const auto dial = [&row](const char* name, const char* text, int x, int y, bool enabled) {
            row(name, "dial", text, "below", QRect(x, y, 40, 40), enabled);
        };
        dial("dialDry", "Dry", 15, 8, false);
        dial("dialMinus1Oct", "-1 OCT", 75, 8, false);
        dial("dialSubMix", "Sub Mix", 15, 72, false);
        dial("dialMinus2Oct", "-2 OCT", 75, 72, false);
        dial("dialLowPass", "Low Pass", 15, 136, false);
        dial("dialHighPass", "High Pass", 75, 136, false);
        dial("dialRange", "Range", 15, 208, false);
        row("swtWave", "switch", "Wave", "beside", QRect(136, 16, 41, 21), false, 0);
        row("swtSplit", "switch", "Split", "beside", QRect(136, 61, 41, 21), false, 0);
        dial("dialInputLevel", "Input Level", 208, 8, true);
        dial("dialClipWave", "Wave Clip", 267, 8, true);
        dial("dial1stHarmonic", "1st Harmonic", 78, 208, false);
        row("cmbVariableWavePitch", "list", "1st Harmonic Pitch", "above", QRect(155, 229, 73, 22),
            true);
        row("cmbGuitarTuning", "list", "", "", QRect(194, 101, 125, 22), true);
        row("cmbSemitonesVariation", "list", "Semitones", "right", QRect(193, 125, 45, 22), true);
        row("chkDominantNoteCut", "check box", "Dominant Notes Cut", "own",
            QRect(193, 148, Free, Free), true, 0);
        row("chkHighNoteCut", "check box", "High Notes Cut", "own", QRect(193, 166, Free, Free),
            true, 0);
        for (const auto& [list, label, entries] : FxVocabulary::assignmentLists()) {
            const QMap<QString, int> ys = {{"cmbAssignCtrlUNO", 313},
                                           {"cmbAssignCtrlDUE", 353},
                                           {"cmbAssignCtrlTRE", 400},
                                           {"cmbAssignCtrlQUATTRO", 441},
                                           {"cmbAssignRemote", 482}};
            row(qPrintable(list), "list", qPrintable(label), "above",
                QRect(195, ys.value(list), 120, 22), true);
        }
        row("chkBypassShortPress", "radio button", "Bypass", "own", QRect(Free, 339, Free, Free),
            true, 1);
        row("chkChangePresetShortPress", "radio button", "Change Preset", "own",
            QRect(Free, 358, Free, Free), true, 0);
        row("chkBypassLongPress", "radio button", "Bypass", "own", QRect(Free, 402, Free, Free),
            true, 0);
        row("chkChangePresetLongPress", "radio button", "Change Preset", "own",
            QRect(Free, 421, Free, Free), true, 1);
    }
    void controlsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, side);
        QFETCH(QRect, geometry);
        QFETCH(bool, enabled);
        QFETCH(int, checked);
        FxFixture f;
        QWidget* control = controls(f.fx).value(name);
        QVERIFY(control);
        QVERIFY(isKind(control, kind));
        QVERIFY(control->isVisibleTo(&f.fx));

        const QRect at = inClient(control, f.fx);
        if (geometry.left() != Free) {
            QCOMPARE(at.left(), geometry.left());
        }
        QCOMPARE(at.top(), geometry.top());
        if (geometry.width() != Free) {
            QCOMPARE(at.size(), geometry.size());
        }

        if (side == "own") {
            QCOMPARE(qobject_cast<QAbstractButton*>(control)->text(), text);
        } else if (!side.isEmpty()) {
            const QList<QLabel*> named = labelsWithText(f.fx, text);
            QVERIFY2(
                std::any_of(named.begin(), named.end(),
                            [&](QLabel* l) { return labelNames(inClient(l, f.fx), at, side); }),
                qPrintable(QStringLiteral("no label \"%1\" %2 it").arg(text, side)));
        }

        QCOMPARE(control->isEnabled(), enabled);
        if (checked != Free) {
            QCOMPARE(qobject_cast<QAbstractButton*>(control)->isChecked(), bool(checked));
        }
        if (auto* dial = qobject_cast<AngleDial*>(control)) {
            QCOMPARE(dial->angle(), -135);
        }
    }

    void listEntries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("shownWhenOpen");
        QTest::newRow("cmbVariableWavePitch")
            << "cmbVariableWavePitch"
            << QStringList{"-12", "-11", "-10", "-9", "-8",  "-7",  "-6", "-5", "-4",
                           "-3",  "-2",  "-1",  "0",  "+1",  "+2",  "+3", "+4", "+5",
                           "+6",  "+7",  "+8",  "+9", "+10", "+11", "+12"}
            << -1 << 12;
        QTest::newRow("cmbGuitarTuning")
            << "cmbGuitarTuning" << QStringList{"No Tuning Selected", "Standard (EADGBE)",
                                                "Drop D (DADGBE)",    "DADGAD",
                                                "open D (DADF#AD)",   "Blues G (DGDGBD)",
                                                "Open A (EAC#EAE)",   "Baritone (BEADF#B)"}
            << 0 << Free;
        QTest::newRow("cmbSemitonesVariation")
            << "cmbSemitonesVariation"
            << QStringList{"-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3"} << 5 << Free;
        for (const auto& [list, label, entries] : FxVocabulary::assignmentLists()) {
            QTest::newRow(qPrintable(list)) << list << entries << 0 << Free;
        }
    }
    void listEntries() {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        QFETCH(int, shownWhenOpen);
        FxFixture f;
        auto* list = qobject_cast<QComboBox*>(controls(f.fx).value(name));
        QVERIFY(list);
        QStringList seen;
        for (int i = 0; i < list->count(); ++i) {
            seen << list->itemText(i);
        }
        QCOMPARE(seen, entries);
        QCOMPARE(list->currentIndex(), selected);
        if (shownWhenOpen != Free) {
            QCOMPARE(list->maxVisibleItems(), shownWhenOpen);
        }
    }

    void frames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("members");
        QTest::newRow("harmonic") << "frameHarmonic" << QRect(63, 200, 181, 67) << QString()
                                  << QStringList{"dial1stHarmonic", "cmbVariableWavePitch"};
        QTest::newRow("tracking") << "frameTracking" << QRect(185, 73, 141, 119)
                                  << "Tracking Functions"
                                  << QStringList{"cmbGuitarTuning", "cmbSemitonesVariation",
                                                 "chkDominantNoteCut", "chkHighNoteCut"};
    }
    void frames() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, heading);
        QFETCH(QStringList, members);
        FxFixture f;
        const auto all = controls(f.fx);
        auto* frame = qobject_cast<QGroupBox*>(all.value(name));
        QVERIFY(frame);
        QCOMPARE(inClient(frame, f.fx), geometry);
        if (!heading.isNull()) {
            QCOMPARE(frame->title(), heading);
        }
        for (const QString& member : members) {
            QVERIFY2(frame->isAncestorOf(all.value(member)), qPrintable(member));
        }
    }

    void headings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("assignments") << "Assign Controls" << QPoint(195, 267);
        QTest::newRow("short press") << "Footswitch Short Press:" << QPoint(15, 323);
        QTest::newRow("long press") << "Footswitch Long Press:" << QPoint(13, 385);
    }
    void headings() {
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        FxFixture f;
        const QList<QLabel*> found = labelsWithText(f.fx, text);
        QCOMPARE(found.size(), 1);
        QCOMPARE(inClient(found[0], f.fx).topLeft(), at);
    }

    void footswitchRadioGroups_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("short press")
            << "FtswShortPress" << QStringList{"chkBypassShortPress", "chkChangePresetShortPress"};
        QTest::newRow("long press")
            << "FtswLongPress" << QStringList{"chkBypassLongPress", "chkChangePresetLongPress"};
    }
    void footswitchRadioGroups() {
        QFETCH(QString, group);
        QFETCH(QStringList, buttons);
        FxFixture f;
        auto* g = f.fx.findChild<QButtonGroup*>(group);
        QVERIFY(g);
        QVERIFY(g->exclusive());
        QList<QAbstractButton*> expected;
        for (const QString& b : buttons) {
            expected << qobject_cast<QAbstractButton*>(controls(f.fx).value(b));
        }
        QCOMPARE(g->buttons(), expected);
    }

    void hints_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        for (const auto& [control, text] : FxVocabulary::hints()) {
            QTest::newRow(qPrintable(control)) << control << text;
        }
    }
    void hints() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        FxFixture f;
        QWidget* w = controls(f.fx).value(control);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), hint);
    }

    void enabledStatesFollowTheConnection_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("live");
        QTest::newRow("shown before a connection") << QStringList{"show"} << false;
        QTest::newRow("after Connect") << QStringList{"connect"} << true;
        QTest::newRow("shown after Connect") << QStringList{"connect", "show"} << true;
        QTest::newRow("after Disconnect") << QStringList{"connect", "disconnect"} << false;
        QTest::newRow("shown after Disconnect")
            << QStringList{"connect", "disconnect", "show"} << false;
        QTest::newRow("Connect again")
            << QStringList{"connect", "show", "disconnect", "connect"} << true;
    }
    void enabledStatesFollowTheConnection() {
        QFETCH(QStringList, steps);
        QFETCH(bool, live);
        FxFixture f;
        for (const QString& step : steps) {
            if (step == "connect") {
                f.connect();
            } else if (step == "disconnect") {
                f.trigger(f.main().menuDisconnect);
            } else if (step == "show") {
                f.clickEffect();
            }
        }
        QCOMPARE(f.editor->state().DeviceConnected, live);
        const auto all = controls(f.fx);
        QList<QWidget*> alwaysDisabled;
        for (const QString& name : AlwaysDisabled) {
            alwaysDisabled << all.value(name);
        }
        // Every visual control of the window, labels and frames included.
        int checkedWidgets = 0;
        for (QWidget* w : f.fx.findChildren<QWidget*>()) {
            if (w->window() != &f.fx) {
                continue; // a list's drop-down
            }
            const bool displayOnly =
                std::any_of(alwaysDisabled.begin(), alwaysDisabled.end(),
                            [w](QWidget* d) { return d == w || d->isAncestorOf(w); });
            QVERIFY2(w->isEnabled() == (live && !displayOnly), qPrintable(describe(w, f.fx)));
            ++checkedWidgets;
        }
        QVERIFY(checkedWidgets >= all.size());
        if (live) {
            for (QComboBox* list : f.fx.findChildren<QComboBox*>()) {
                for (int i = 0; i < list->count(); ++i) {
                    const auto* model = list->model();
                    QVERIFY(model->flags(model->index(i, 0)) & Qt::ItemIsEnabled);
                }
            }
        }
    }
};

QTEST_MAIN(TestFxWindow)
#include "test_fx_window.moc"
