#pragma once

#include <QString>
#include <cstdint>

class PedalLink;
class ParameterSet;
struct EffectSettings;

// What the four CTRL buttons and the remote footswitch take over, and what
// the pedal's own footswitch does: chosen in the effect settings, sent by
// "Assign" and "Set Footswitch Mode".
class ControlAssignments {
public:
    static constexpr int AssignPauseMs = 100;

    ControlAssignments(PedalLink& link, ParameterSet& params, EffectSettings& settings)
        : link_(link), params_(params), settings_(settings) {}

    // A control's list shows entry `entry`; its flag follows.
    void setEntry(int control, int entry);
    // True, with the message, when Control III or IV is given a note cut
    // while no tuning is selected; the caller returns the list to "Not
    // Assigned".
    bool refusedWithoutTuning(int control, int entry);

    // "04", a flag byte and a 16-bit target per control; logs its length and
    // itself. A note cut on Control III takes the tuning x 256 as its value.
    QString BuildAssignMessage();
    // One write, no purge, then the pause during which "Assign" is disabled.
    void sendAssignMessage(const QString& message);

    void setFootswitch(bool shortPressChangesPreset, bool longPressBypasses);
    // "08", the short press code and the long press code; logged.
    QString BuildFootswitchMessage();
    // Logs the bare message and writes it: no question, no purge.
    void sendFootswitchMessage(const QString& message);

private:
    PedalLink& link_;
    ParameterSet& params_;
    EffectSettings& settings_;

    std::uint16_t target(int control);
};
