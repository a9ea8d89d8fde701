#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The effect settings window's fixed texts, written out in full, so that a
// test compares the editor against these and never against its own
// constants.
namespace FxVocabulary {

struct Hint {
    QString control;
    QString text;
};

// The hints given to the controls when the window is created; line breaks
// are CR LF.
inline QList<Hint> hints() {
    return {
        {"chkDominantNoteCut",
         "Improves tracking on lowest chord (E-open chord in standard tuning) when RANGE is set "
         "high.\r\n"
         "Make sure to choose the right tuning for your instrument before applying this "
         "parameter.\r\n"
         "Like any other parameter, this parameter can either be stored permanently on pedal or "
         "assigned to a CTRL button."},
        {"chkHighNoteCut",
         "Removes tracking and noise on higher strings (e.g. open G string and first frets in "
         "standard tuning)\r\n"
         "Make sure to choose the right tuning for your instrument before applying this "
         "parameter.\r\n"
         "Like any other parameter, this parameter can either be stored permanently on pedal or "
         "assigned to a CTRL button."},
        {"dialInputLevel",
         "Set level of input signal to the octave down effect. It does not affect dry.\r\n"
         "Adjust if you hear too much distortion on the sub. By deafult it is set to mid "
         "position."},
        {"cmbGuitarTuning",
         "Select the tuning of your instrument and the pitch variation\r\n"
         "in the box below. Example:\r\n"
         "- if you play in standard tuning 1 half-step down select standard tuning and -1 "
         "Pitch.\r\n"
         "- if you play in standard tuning and use capo on 3rd fret select standard tuning and "
         "+3 Pitch."},
        {"cmbSemitonesVariation", "Select the pitch variation in semitones from -5 to +3"},
    };
}

struct AssignmentList {
    QString list;
    QString label;
    QStringList entries;
};

// The five assignment lists in control order I, II, III, IV, remote.
inline QList<AssignmentList> assignmentLists() {
    const QStringList levels = {"Not Assigned", "Input Level", "1st Harmonic Pitch", "Wave Clip"};
    const QStringList noteCuts = {"Not Assigned", "Dominant Note Cut", "High Notes Cut"};
    return {
        {"cmbAssignCtrlUNO", "Control I", levels},
        {"cmbAssignCtrlDUE", "Control II", levels},
        {"cmbAssignCtrlTRE", "Control III", noteCuts},
        {"cmbAssignCtrlQUATTRO", "Control IV", noteCuts},
        {"cmbAssignRemote", "Remote Footswitch", {"Not Assigned", "Bypass", "Preset"}},
    };
}

} // namespace FxVocabulary
