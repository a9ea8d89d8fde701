#pragma once

#include <QString>

// The hints of the effect settings window's controls; line breaks are CR LF.
namespace HintsUnit {
QString DominantNoteCut();
QString HighNoteCut();
QString InputLevel();
QString GuitarTuning();
QString SemitonesVariation();
} // namespace HintsUnit
