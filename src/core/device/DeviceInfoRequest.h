#pragma once

#include "device/Communication.h"
#include "device/DeviceInfo.h"

#include <QString>
#include <functional>

class PedalLink;

// How a device-information request ended.
enum class RequestOutcome {
    Read,        // 82 values decoded; DeviceInfo holds their versions
    NoAnswer,    // nothing came within the limit; the user was told
    DeviceError, // the driver failed; its box has been shown
    Incomplete,  // fewer than 82 values; the user was told
};

struct RequestResult {
    RequestOutcome outcome = RequestOutcome::NoAnswer;
};

// The "Request" exchange: "0200", the pedal's 82 values, its versions and
// what the user is told of them.
class DeviceInfoRequest {
public:
    static constexpr int PauseMs = 200;

    explicit DeviceInfoRequest(PedalLink& link) : link_(link) {}

    // Empties both queues, sends "0200", pauses, reads the answer whole and
    // decodes it. On success the firmware version line goes to
    // `showFirmware` and the log, an old firmware gets its box, the other
    // versions are logged, and the values are handed on as the settings
    // answer.
    RequestResult RequestDeviceInfo(ReadPacing pacing,
                                    const std::function<void(const QString&)>& showFirmware);

    // After the settings: a box for any firmware but the latest, a log line
    // for an algorithm other than the listed one.
    void checkVersions(int latestFirmware, int listedAlgorithm);

private:
    PedalLink& link_;
};
