#pragma once

#include <QString>
#include <QStringList>

class PedalLink;

// The pedal's MIDI channel, sent at once when chosen; the editor keeps no
// memory of it.
class MidiChannel {
public:
    explicit MidiChannel(PedalLink& link) : link_(link) {}

    // The menu's entries in order: "OMNI", then "1" to "16".
    static QStringList captions();

    // Logs the choice without moving the log's view, then the message, and
    // writes it. A caption that is not a number raises the conversion error.
    void send(const QString& caption);

private:
    PedalLink& link_;
};
