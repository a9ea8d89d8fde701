#include "fx/TformFXsettings.h"

#include "app/DiagnosticLog.h"
#include "app/EffectNames.h"
#include "app/ErrorReport.h"
#include "app/Resources.h"
#include "app/SessionState.h"
#include "device/PedalLink.h"
#include "fx/HintsUnit.h"
#include "widgets/AngleDial.h"
#include "widgets/DesignFont.h"
#include "widgets/OnOffSwitch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

const QStringList TuningEntries = {
    QStringLiteral("No Tuning Selected"), QStringLiteral("Standard (EADGBE)"),
    QStringLiteral("Drop D (DADGBE)"),    QStringLiteral("DADGAD"),
    QStringLiteral("open D (DADF#AD)"),   QStringLiteral("Blues G (DGDGBD)"),
    QStringLiteral("Open A (EAC#EAE)"),   QStringLiteral("Baritone (BEADF#B)"),
};
const QStringList SemitoneEntries = {"-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3"};
constexpr int ZeroSemitonesEntry = 5;
constexpr int DialSize = 40;
constexpr int LabelHeight = 16;

} // namespace

TformFXsettings::TformFXsettings(const EffectWindowParts& parts)
    : parts_(parts), params(parts.params) {
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(333, 517);
    setFont(designFont(11));
    buildDials();
    buildTracking();
    buildAssignments();
    buildFootswitch();
    // A look's style sheet stops the window's font from reaching its
    // controls; each control carries the design size itself.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setFont(font());
    }
    FormCreate();
}

template <typename W>
W* TformFXsettings::add(W* widget, int x, int y, int w, int h, QWidget* parent) {
    // Positions are in the window's client area, also inside a frame.
    QWidget* host = parent ? parent : this;
    widget->setParent(host);
    const QPoint origin = parent ? parent->pos() : QPoint(0, 0);
    widget->setGeometry(x - origin.x(), y - origin.y(), w, h);
    controls_.push_back(widget);
    return widget;
}

AngleDial* TformFXsettings::addDial(int x, int y, const QString& label, QWidget* parent) {
    auto* dial = add(new AngleDial, x, y, DialSize, DialSize, parent);
    auto* caption =
        add(new QLabel(label), x - 12, y + DialSize, DialSize + 24, LabelHeight, parent);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return dial;
}

void TformFXsettings::onDial(AngleDial* dial, void (TformFXsettings::*handler)()) {
    connect(dial, &AngleDial::angleChanged, this, parts_.report.guarded(this, handler));
}

void TformFXsettings::buildDials() {
    dialDry = addDial(15, 8, QStringLiteral("Dry"));
    dialMinus1Oct = addDial(75, 8, QStringLiteral("-1 OCT"));
    dialSubMix = addDial(15, 72, QStringLiteral("Sub Mix"));
    dialMinus2Oct = addDial(75, 72, QStringLiteral("-2 OCT"));
    dialLowPass = addDial(15, 136, QStringLiteral("Low Pass"));
    dialHighPass = addDial(75, 136, QStringLiteral("High Pass"));
    dialRange = addDial(15, 208, QStringLiteral("Range"));
    swtWave = add(new OnOffSwitch, 136, 16, 41, 21);
    add(new QLabel(QStringLiteral("Wave")), 136, 37, 41, LabelHeight)
        ->setAlignment(Qt::AlignHCenter);
    swtSplit = add(new OnOffSwitch, 136, 61, 41, 21);
    add(new QLabel(QStringLiteral("Split")), 136, 82, 41, LabelHeight)
        ->setAlignment(Qt::AlignHCenter);
    dialInputLevel = addDial(208, 8, QStringLiteral("Input Level"));
    dialClipWave = addDial(267, 8, QStringLiteral("Wave Clip"));

    frameHarmonic = add(new QGroupBox, 63, 200, 181, 67);
    dial1stHarmonic = addDial(78, 208, QStringLiteral("1st Harmonic"), frameHarmonic);
    add(new QLabel(QStringLiteral("1st Harmonic Pitch")), 140, 211, 100, LabelHeight,
        frameHarmonic);
    cmbVariableWavePitch = add(new QComboBox, 155, 229, 73, 22, frameHarmonic);
    for (int semitones = -12; semitones <= 12; ++semitones) {
        cmbVariableWavePitch->addItem(semitones > 0 ? QStringLiteral("+%1").arg(semitones)
                                                    : QString::number(semitones));
    }
    cmbVariableWavePitch->setMaxVisibleItems(12);
    // A list that pops up over its field shows all its entries whatever the
    // limit; a drop-down one keeps to it.
    cmbVariableWavePitch->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cmbVariableWavePitch->setCurrentIndex(-1);

    onDial(dialDry, &TformFXsettings::dialDryChange);
    onDial(dialMinus1Oct, &TformFXsettings::dialMinus1OctChange);
    onDial(dialSubMix, &TformFXsettings::dialSubMixChange);
    onDial(dialMinus2Oct, &TformFXsettings::dialMinus2OctChange);
    onDial(dialInputLevel, &TformFXsettings::OnChange_dialInputLevel);
    onDial(dialClipWave, &TformFXsettings::dialClipWaveChange);
    connect(cmbVariableWavePitch, &QComboBox::currentIndexChanged, this,
            [this] { parts_.report.run([this] { VariWavePitchOnChange(); }); });
}

void TformFXsettings::buildTracking() {
    frameTracking = add(new QGroupBox(QStringLiteral("Tracking Functions")), 185, 73, 141, 119);
    cmbGuitarTuning = add(new QComboBox, 194, 101, 125, 22, frameTracking);
    cmbGuitarTuning->addItems(TuningEntries);
    cmbSemitonesVariation = add(new QComboBox, 193, 125, 45, 22, frameTracking);
    cmbSemitonesVariation->addItems(SemitoneEntries);
    add(new QLabel(QStringLiteral("Semitones")), 243, 128, 70, LabelHeight, frameTracking);
    chkDominantNoteCut =
        add(new QCheckBox(QStringLiteral("Dominant Notes Cut")), 193, 148, 130, 18, frameTracking);
    chkHighNoteCut =
        add(new QCheckBox(QStringLiteral("High Notes Cut")), 193, 166, 130, 18, frameTracking);
}

void TformFXsettings::buildAssignments() {
    lblAssignControls = add(new QLabel(QStringLiteral("Assign Controls")), 195, 267, 120, 18);
    const int ys[AssignableControls] = {313, 353, 400, 441, 482};
    std::array<QComboBox*, AssignableControls> lists{};
    for (int i = 0; i < AssignableControls; ++i) {
        add(new QLabel(assignmentLabel(i)), 195, ys[i] - LabelHeight, 120, LabelHeight);
        lists[size_t(i)] = add(new QComboBox, 195, ys[i], 120, 22);
    }
    cmbAssignCtrlUNO = lists[0];
    cmbAssignCtrlDUE = lists[1];
    cmbAssignCtrlTRE = lists[2];
    cmbAssignCtrlQUATTRO = lists[3];
    cmbAssignRemote = lists[4];
}

void TformFXsettings::buildFootswitch() {
    add(new QLabel(QStringLiteral("Footswitch Short Press:")), 15, 323, 150, LabelHeight);
    chkBypassShortPress = add(new QRadioButton(QStringLiteral("Bypass")), 15, 339, 120, 19);
    chkChangePresetShortPress =
        add(new QRadioButton(QStringLiteral("Change Preset")), 15, 358, 120, 19);
    add(new QLabel(QStringLiteral("Footswitch Long Press:")), 13, 385, 150, LabelHeight);
    chkBypassLongPress = add(new QRadioButton(QStringLiteral("Bypass")), 13, 402, 120, 19);
    chkChangePresetLongPress =
        add(new QRadioButton(QStringLiteral("Change Preset")), 13, 421, 120, 19);

    FtswShortPress = new QButtonGroup(this);
    FtswShortPress->setObjectName(QStringLiteral("FtswShortPress"));
    FtswShortPress->addButton(chkBypassShortPress);
    FtswShortPress->addButton(chkChangePresetShortPress);
    FtswLongPress = new QButtonGroup(this);
    FtswLongPress->setObjectName(QStringLiteral("FtswLongPress"));
    FtswLongPress->addButton(chkBypassLongPress);
    FtswLongPress->addButton(chkChangePresetLongPress);
    chkBypassShortPress->setChecked(true);
    chkChangePresetLongPress->setChecked(true);
}

std::array<QComboBox*, AssignableControls> TformFXsettings::assignmentLists() const {
    return {cmbAssignCtrlUNO, cmbAssignCtrlDUE, cmbAssignCtrlTRE, cmbAssignCtrlQUATTRO,
            cmbAssignRemote};
}

void TformFXsettings::FormCreate() {
    // The records exist from the start (ParameterSet); the lists are filled
    // and set to "Not Assigned".
    const auto lists = assignmentLists();
    for (int i = 0; i < AssignableControls; ++i) {
        lists[size_t(i)]->addItems(assignmentEntries(i));
        lists[size_t(i)]->setCurrentIndex(0);
    }
    chkDominantNoteCut->setToolTip(HintsUnit::DominantNoteCut());
    chkHighNoteCut->setToolTip(HintsUnit::HighNoteCut());
    dialInputLevel->setToolTip(HintsUnit::InputLevel());
    cmbGuitarTuning->setToolTip(HintsUnit::GuitarTuning());
    cmbSemitonesVariation->setToolTip(HintsUnit::SemitonesVariation());
    cmbGuitarTuning->setCurrentIndex(0);
    cmbSemitonesVariation->setCurrentIndex(ZeroSemitonesEntry);
    // From here on every change of a choice is handled.
    const std::array<void (TformFXsettings::*)(), AssignableControls> handlers = {
        &TformFXsettings::ControlUNOassignOnChange, &TformFXsettings::ControlDUEassignOnChange,
        &TformFXsettings::ControlTREassignOnChange, &TformFXsettings::ControlQUATTROAssignOnChange,
        &TformFXsettings::RemoteAssignOnChange};
    for (size_t i = 0; i < lists.size(); ++i) {
        connect(lists[i], &QComboBox::currentIndexChanged, this,
                parts_.report.guarded(this, handlers[i]));
    }
    for (QRadioButton* b : {chkBypassShortPress, chkChangePresetShortPress, chkBypassLongPress,
                            chkChangePresetLongPress}) {
        connect(b, &QRadioButton::toggled, this,
                parts_.report.guarded(this, &TformFXsettings::footswitchChange));
    }
    connect(chkDominantNoteCut, &QCheckBox::toggled, this,
            parts_.report.guarded(this, &TformFXsettings::chkDominantNoteCutChange));
    connect(chkHighNoteCut, &QCheckBox::toggled, this,
            parts_.report.guarded(this, &TformFXsettings::chkHighNoteCutChange));
    connect(cmbGuitarTuning, &QComboBox::currentIndexChanged, this,
            parts_.report.guarded(this, &TformFXsettings::cmbGuitarTuningChange));
    connect(cmbSemitonesVariation, &QComboBox::currentIndexChanged, this,
            parts_.report.guarded(this, &TformFXsettings::cmbSemitonesVariationChange));

    // Design states: only the live controls start enabled.
    for (QWidget* w : displayOnlyControls()) {
        w->setEnabled(false);
    }
}

std::array<QWidget*, 10> TformFXsettings::displayOnlyControls() const {
    return {dialDry,      dialMinus1Oct, dialSubMix,      dialMinus2Oct, dialLowPass,
            dialHighPass, dialRange,     dial1stHarmonic, swtWave,       swtSplit};
}

void TformFXsettings::showForEffect(const QRect& mainFrame) {
    if (isVisible()) {
        close();
    }
    // Against the main window's right edge, tops level.
    move(mainFrame.x() + mainFrame.width(), mainFrame.y());
    show();
    FormShow();
    setWindowTitle(parts_.state.SelectedEffectName);
    SetEffectControlsEnabled(parts_.state.DeviceConnected);
}

void TformFXsettings::FormShow() {
    const QString name = format_resource_name(parts_.state.SelectedEffectName);
    DiagnosticLog& log = parts_.link.log();
    log.ConsoleLog(QStringLiteral("resource name: ") + name);
    Resources& resources = parts_.resources;
    resources.read_file_from_stream(name);
    const QString image = resources.ResourceLines.value(0);
    log.ConsoleLog(image);
    params.LoadParameterAddresses(image);
}

void TformFXsettings::SetEffectControlsEnabled(bool enabled) {
    for (QWidget* w : controls_) {
        w->setEnabled(enabled);
    }
    for (QWidget* w : displayOnlyControls()) {
        w->setEnabled(false);
    }
}
