#pragma once

#include "device/Communication.h"
#include "device/D2XXUnit.h"
#include "device/DeviceInfo.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

class D2xxApi;
class Dialogs;
class DiagnosticLog;
class Pacer;

// The one link to the pedal: the wrapper with its handle and buffers, the
// message exchange, what the pedal last said of itself, and the gate that
// lets one exchange at a time wait for an answer.
class PedalLink : public QObject {
    Q_OBJECT
public:
    PedalLink(D2xxApi& api, Dialogs& dialogs, DiagnosticLog& log, Pacer& pacer);

    D2XXUnit& unit() { return unit_; }
    Communication& comm() { return comm_; }
    DeviceInfo& deviceInfo() { return deviceInfo_; }
    DiagnosticLog& log() { return log_; }
    Dialogs& dialogs() { return dialogs_; }
    Pacer& pacer() { return pacer_; }

    // While an answer is awaited no other command talks to the pedal: true,
    // with a short message, when the caller must not start.
    bool refuseWhileWaiting();
    // A long sequence keeps the pedal to itself for its whole run, between
    // its waits too: meanwhile every other command is refused with this
    // text. An empty text lets go.
    void setHeld(const QString& refusal) { heldRefusal_ = refusal; }

signals:
    // The port was opened (true) or closed (false).
    void connectionChanged(bool connected);
    // The pedal answered the settings request with these values.
    void settingsAnswered(const std::vector<std::uint8_t>& values);

private:
    Dialogs& dialogs_;
    DiagnosticLog& log_;
    Pacer& pacer_;
    D2XXUnit unit_;
    Communication comm_;
    DeviceInfo deviceInfo_;
    QString heldRefusal_;
};
