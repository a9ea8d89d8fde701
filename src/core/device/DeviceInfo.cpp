#include "device/DeviceInfo.h"

#include "app/EditorError.h"
#include "device/HexText.h"

namespace {

constexpr int FeatureFirmwareVersion = 6;

int decimal(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
        throw ConversionError::integer(text);
    }
    return value;
}

} // namespace

DeviceInfo DeviceInfo::fromValues(const std::vector<std::uint8_t>& v) {
    DeviceInfo info;
    info.FirmwareVersionText = hexField(v.at(0), 2);
    info.AlgorithmVersionText = hexField(v.at(1), 2) + hexField(v.at(2), 2);
    info.EffectNumberText = hexField(v.at(3), 2);
    return info;
}

int DeviceInfo::firmwareVersion() const {
    return decimal(FirmwareVersionText);
}

int DeviceInfo::algorithmVersion() const {
    return decimal(AlgorithmVersionText);
}

QString featureUpgradeMessage() {
    return QStringLiteral("A firmware upgrade is required to use the new features. Please upgrade "
                          "to Firmware %1")
        .arg(FeatureFirmwareVersion);
}

bool needsFeatureUpgrade(int version) {
    return version < FeatureFirmwareVersion;
}

QString latestUpgradeMessage(int latest) {
    return QStringLiteral("A firmware upgrade is required. Please upgrade to Firmware %1")
        .arg(latest);
}

QString algorithmUploadHint(int listed) {
    return QStringLiteral(
               "Upload latest version of Tarnwick ZQ7 algorithm. Please upload Algorithm %1")
        .arg(listed);
}
