#include "fx/ControlAssignments.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Pacer.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"
#include "fx/EffectSettings.h"
#include "fx/Parameters.h"

namespace {
constexpr int ControlIII = 2;
constexpr int ControlIV = 3;
constexpr int Remote = 4;
} // namespace

void ControlAssignments::setEntry(int control, int entry) {
    settings_.AssignEntries.at(size_t(control)) = entry;
    settings_.AssignFlags.at(size_t(control)) = entry > 0;
}

bool ControlAssignments::refusedWithoutTuning(int control, int entry) {
    // Both note cuts follow the tuning; without one they cannot work.
    if ((control != ControlIII && control != ControlIV) || entry <= 0 ||
        settings_.CurrentTuning != 0) {
        return false;
    }
    link_.dialogs().showMessage(
        QStringLiteral("No tuning selected, Select a tuning before assigning this parameter"));
    return true;
}

std::uint16_t ControlAssignments::target(int control) {
    const int entry = settings_.AssignEntries.at(size_t(control));
    if (entry <= 0) {
        return NotAssignedTarget;
    }
    if (control == Remote) {
        return entry == 1 ? BypassTarget : PresetTarget;
    }
    if (control == ControlIII || control == ControlIV) {
        assignable_parameter& cut = entry == 1 ? params_.DominantNoteCut : params_.HighNotesCut;
        // On Control III a note cut carries the tuning in its value.
        if (control == ControlIII && settings_.CurrentTuning != 0) {
            cut.value = std::uint32_t(settings_.CurrentTuning) * 256;
        }
        return cut.address;
    }
    const assignable_parameter* levels[] = {&params_.InputLevel, &params_.FirstHarmonicPitch,
                                            &params_.WaveClip};
    return levels[entry - 1]->address;
}

QString ControlAssignments::BuildAssignMessage() {
    std::array<std::uint16_t, AssignableControls> targets{};
    for (int control = 0; control < AssignableControls; ++control) {
        targets.at(size_t(control)) = target(control);
    }
    const QString message = PedalMessages::AssignMessage(settings_.AssignFlags, targets);
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QStringLiteral("lenght of assign message in bytes: %1").arg(message.size() / 2));
    log.ConsoleLog(QStringLiteral("assign message: ") + message);
    return message;
}

void ControlAssignments::sendAssignMessage(const QString& message) {
    link_.comm().SendHexMessage(message, false);
    link_.pacer().sleepMs(AssignPauseMs);
}

void ControlAssignments::setFootswitch(bool shortPressChangesPreset, bool longPressBypasses) {
    settings_.ShortPressChangesPreset = shortPressChangesPreset;
    settings_.LongPressBypasses = longPressBypasses;
}

QString ControlAssignments::BuildFootswitchMessage() {
    const QString message = PedalMessages::FootswitchMessage(settings_.ShortPressChangesPreset,
                                                             settings_.LongPressBypasses);
    link_.log().ConsoleLog(QStringLiteral("footswitch behaviour message: ") + message);
    return message;
}

void ControlAssignments::sendFootswitchMessage(const QString& message) {
    link_.log().ConsoleLog(message);
    link_.comm().SendHexMessage(message, false);
}
