#pragma once

#include "fx/Parameters.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <vector>

class AngleDial;
class ControlAssignments;
class ErrorReport;
class LiveParameters;
class OnOffSwitch;
class PedalLink;
class Resources;
class SettingsReadback;
struct EffectSettings;
struct SessionState;
class TuningSelection;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// What the effect settings window works with.
struct EffectWindowParts {
    PedalLink& link;
    LiveParameters& live;
    TuningSelection& tuning;
    ControlAssignments& assignments;
    SettingsReadback& readback;
    ParameterSet& params;
    EffectSettings& settings;
    SessionState& state;
    Resources& resources;
    const ErrorReport& report;
};

// The effect settings window: the fifteen parameters with their dials,
// switches and lists; the live ones send each change to the pedal at once.
class TformFXsettings : public QWidget {
    Q_OBJECT
public:
    explicit TformFXsettings(const EffectWindowParts& parts);

    AngleDial* dialDry = nullptr;
    AngleDial* dialMinus1Oct = nullptr;
    AngleDial* dialSubMix = nullptr;
    AngleDial* dialMinus2Oct = nullptr;
    AngleDial* dialLowPass = nullptr;
    AngleDial* dialHighPass = nullptr;
    AngleDial* dialRange = nullptr;
    AngleDial* dialInputLevel = nullptr;
    AngleDial* dialClipWave = nullptr;
    AngleDial* dial1stHarmonic = nullptr;
    OnOffSwitch* swtWave = nullptr;
    OnOffSwitch* swtSplit = nullptr;
    QComboBox* cmbVariableWavePitch = nullptr;
    QGroupBox* frameHarmonic = nullptr;
    QGroupBox* frameTracking = nullptr;
    QComboBox* cmbGuitarTuning = nullptr;
    QComboBox* cmbSemitonesVariation = nullptr;
    QCheckBox* chkDominantNoteCut = nullptr;
    QCheckBox* chkHighNoteCut = nullptr;
    QLabel* lblAssignControls = nullptr;
    QComboBox* cmbAssignCtrlUNO = nullptr;
    QComboBox* cmbAssignCtrlDUE = nullptr;
    QComboBox* cmbAssignCtrlTRE = nullptr;
    QComboBox* cmbAssignCtrlQUATTRO = nullptr;
    QComboBox* cmbAssignRemote = nullptr;
    QButtonGroup* FtswShortPress = nullptr;
    QButtonGroup* FtswLongPress = nullptr;
    QRadioButton* chkBypassShortPress = nullptr;
    QRadioButton* chkChangePresetShortPress = nullptr;
    QRadioButton* chkBypassLongPress = nullptr;
    QRadioButton* chkChangePresetLongPress = nullptr;

    // The five assignment lists in control order.
    std::array<QComboBox*, AssignableControls> assignmentLists() const;

    // Opens the window against the main window's right edge for the selected
    // effect; a missing image ends the opening (EditorError).
    void showForEffect(const QRect& mainFrame);
    // Opening the window: loads the selected algorithm's parameter addresses.
    void FormShow();
    // Enables or disables every control; the display-only ones stay disabled.
    void SetEffectControlsEnabled(bool enabled);

    // Live control.
    std::uint32_t SendDialValue(AngleDial* dial, std::uint16_t address);
    void dialDryChange();
    void dialMinus1OctChange();
    void dialSubMixChange();
    void dialMinus2OctChange();
    void OnChange_dialInputLevel();
    void dialClipWaveChange();
    void VariWavePitchOnChange();

    // Assignments and footswitch: the lists and radio buttons keep the
    // choice; "Assign" and "Set Footswitch Mode" send it.
    void ControlUNOassignOnChange();
    void ControlDUEassignOnChange();
    void ControlTREassignOnChange();
    void ControlQUATTROAssignOnChange();
    void RemoteAssignOnChange();
    void footswitchChange();

    // Note cuts: each change is sent at once, 1 on or 0 off, but only with a
    // tuning chosen.
    void chkDominantNoteCutChange();
    void chkHighNoteCutChange();

    // The pedal's settings answer: the footswitch buttons, the assignment
    // lists, the tuning lists and the values, each control's change handling
    // sending its value back.
    void readBack(const std::vector<std::uint8_t>& values);
    // Every display control from the records' values.
    void ShowParameterValues();

    // Tuning: the lists keep the choice; "Set Tuning" sends it.
    void cmbGuitarTuningChange();
    void cmbSemitonesVariationChange();

private:
    EffectWindowParts parts_;
    ParameterSet& params;
    std::vector<QWidget*> controls_;
    // The angle of each live dial whose value the pedal has, and the pitch
    // entry it has: a refused change returns to them.
    QHash<const AngleDial*, int> sentAngles_;
    int sentPitchEntry_ = -1;

    void buildDials();
    void buildTracking();
    void buildAssignments();
    void buildFootswitch();
    void FormCreate();
    AngleDial* addDial(int x, int y, const QString& label, QWidget* parent = nullptr);
    template <typename W> W* add(W* widget, int x, int y, int w, int h, QWidget* parent = nullptr);
    void onDial(AngleDial* dial, void (TformFXsettings::*handler)());
    // Always disabled: only the program turns them.
    std::array<QWidget*, 10> displayOnlyControls() const;
    // A dial's change handling: the value word sent becomes the record's.
    // While another exchange waits the change is refused and the dial
    // returns to the angle the pedal has.
    void sendDial(AngleDial* dial, standard_parameter& parameter);
    // The same behind the assigned lock.
    void sendDial(AngleDial* dial, assignable_parameter& parameter);
    bool refusedWhileWaiting(AngleDial* dial);
    // A list's choice goes to the model; Control III and IV refuse a note
    // cut without a tuning, except while the pedal's settings are read back.
    void assignmentChange(int control);
    void noteCutChange(QCheckBox* box, assignable_parameter& parameter);
    // True, with the message, when an assigned parameter must not change.
    bool assignedLock(const assignable_parameter& parameter);
};
