// The tuning and pitch offset lists: a choice is kept, not sent.
#include "fx/TformFXsettings.h"
#include "tuning/TuningSelection.h"

#include <QComboBox>

void TformFXsettings::cmbGuitarTuningChange() {
    const int position = cmbGuitarTuning->currentIndex();
    if (position >= 0) {
        parts_.tuning.setTuning(position);
    }
}

void TformFXsettings::cmbSemitonesVariationChange() {
    if (cmbSemitonesVariation->currentIndex() >= 0) {
        parts_.tuning.setSemitones(cmbSemitonesVariation->currentText());
    }
}
