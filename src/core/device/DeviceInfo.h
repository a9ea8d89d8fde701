#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// What the device-information answer's first four values say.
struct DeviceInfo {
    static constexpr int AnswerValues = 82;

    QString FirmwareVersionText;  // two hexadecimal digits
    QString AlgorithmVersionText; // four
    QString EffectNumberText;     // two

    static DeviceInfo fromValues(const std::vector<std::uint8_t>& values);

    // The version texts read as decimal numbers: 0x07 is version 7 and 0x10
    // version 10. A digit A-F raises the conversion error.
    int firmwareVersion() const;
    int algorithmVersion() const;
};

// A pedal below the version the new features came with is told so.
bool needsFeatureUpgrade(int version);
QString featureUpgradeMessage();
// A pedal at any version but the latest is told to upgrade to it.
QString latestUpgradeMessage(int latest);

// The log line for an algorithm other than the listed one.
QString algorithmUploadHint(int listed);
