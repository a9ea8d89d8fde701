#pragma once

#include "fx/Parameters.h"

#include <QWidget>
#include <array>
#include <vector>

class AngleDial;
class Editor;
class OnOffSwitch;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// The effect settings window: the fifteen parameters with their dials,
// switches and lists; the live ones send each change to the pedal at once.
class TformFXsettings : public QWidget {
    Q_OBJECT
public:
    explicit TformFXsettings(Editor& editor);

    ParameterSet params;

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

private:
    Editor& editor_;
    std::vector<QWidget*> controls_;

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
    void sendDial(AngleDial* dial, standard_parameter& parameter);
    // The same behind the assigned lock.
    void sendDial(AngleDial* dial, assignable_parameter& parameter);
    // True, with the message, when an assigned parameter must not change.
    bool assignedLock(const assignable_parameter& parameter);
};
