#pragma once

#include <QString>

class PedalLink;
struct EffectSettings;

// The instrument's tuning and pitch offset: kept as the user picks them in
// the two lists, sent to the pedal only by "Set Tuning".
class TuningSelection {
public:
    static constexpr int PauseMs = 100;

    TuningSelection(PedalLink& link, EffectSettings& settings) : link_(link), settings_(settings) {}

    // The tuning is the position in the list of tunings.
    void setTuning(int position);
    // The offset is the entry's text read as a signed number ("+1", "-5");
    // anything else raises the conversion error and keeps the offset.
    void setSemitones(const QString& entry);

    // The message of the stored values, logged as "Tuning Message: ".
    QString BuildTuningMessage();
    // Empties the transmit queue, writes the message and pauses.
    void send(const QString& message);

private:
    PedalLink& link_;
    EffectSettings& settings_;
};
