#pragma once

#include <QString>

class PedalLink;
class ParameterSet;

// "Save Parameters": the pedal keeps the five assignable parameters' values.
class SettingsStore {
public:
    static constexpr int PauseMs = 100;

    SettingsStore(PedalLink& link, const ParameterSet& params) : link_(link), params_(params) {}

    // The store message of the values as they stand; logged with its length.
    QString BuildStoreSettingsMessage();
    // Empties the transmit queue, writes the message and pauses.
    void send(const QString& message);

private:
    PedalLink& link_;
    const ParameterSet& params_;
};
