#include "fx/HintsUnit.h"

namespace {
const char* const TuningReminder =
    "Make sure to choose the right tuning for your instrument before applying this parameter.";
const char* const StoreOrAssign = "Like any other parameter, this parameter can either be stored "
                                  "permanently on pedal or assigned to a CTRL button.";
} // namespace

namespace HintsUnit {

QString DominantNoteCut() {
    return QStringLiteral("Improves tracking on lowest chord (E-open chord in standard tuning) "
                          "when RANGE is set high.\r\n") +
           QString::fromLatin1(TuningReminder) + QStringLiteral("\r\n") +
           QString::fromLatin1(StoreOrAssign);
}

QString HighNoteCut() {
    return QStringLiteral("Removes tracking and noise on higher strings (e.g. open G string and "
                          "first frets in standard tuning)\r\n") +
           QString::fromLatin1(TuningReminder) + QStringLiteral("\r\n") +
           QString::fromLatin1(StoreOrAssign);
}

QString InputLevel() {
    return QStringLiteral("Set level of input signal to the octave down effect. It does not "
                          "affect dry.\r\nAdjust if you hear too much distortion on the sub. By "
                          "deafult it is set to mid position.");
}

QString GuitarTuning() {
    return QStringLiteral(
        "Select the tuning of your instrument and the pitch variation\r\nin the box below. "
        "Example:\r\n- if you play in standard tuning 1 half-step down select standard tuning "
        "and -1 Pitch.\r\n- if you play in standard tuning and use capo on 3rd fret select "
        "standard tuning and +3 Pitch.");
}

QString SemitonesVariation() {
    return QStringLiteral("Select the pitch variation in semitones from -5 to +3");
}

} // namespace HintsUnit
