#include "firmware/UpgradeResult.h"

#include "device/HexText.h"
#include "firmware/An3155.h"

namespace {

QString where(const UpgradeResult& r) {
    switch (r.step) {
    case UpgradeStep::Greeting:
        return QStringLiteral("at the bootloader greeting");
    case UpgradeStep::Load:
        return QStringLiteral("loading the image %1").arg(r.detail);
    case UpgradeStep::Split:
        return QStringLiteral("before sending anything");
    case UpgradeStep::Erase:
        return QStringLiteral("at the erase");
    case UpgradeStep::WriteChunk:
        // Counted from 1 for the user; the address finds it in the log.
        return QStringLiteral("at chunk %1 of %2 (address %3)")
            .arg(r.chunk + 1)
            .arg(r.chunkCount)
            .arg(hexField(r.address, 8));
    case UpgradeStep::VersionMarker:
        return QStringLiteral("at the version marker");
    case UpgradeStep::Go:
        return QStringLiteral("at the Go command");
    }
    return {};
}

QString why(const UpgradeResult& r) {
    switch (r.failure) {
    case UpgradeFailure::None:
        break;
    case UpgradeFailure::NotAck:
        return QStringLiteral("the bootloader answered NOT ACK");
    case UpgradeFailure::UnexpectedReply:
        return QStringLiteral("the bootloader answered %1 instead of ACK").arg(r.detail);
    case UpgradeFailure::NoReply:
        return QStringLiteral("the pedal did not answer");
    case UpgradeFailure::WriteFailed:
        return QStringLiteral("a byte could not be written to the pedal");
    case UpgradeFailure::ReadFailed:
        return QStringLiteral("the pedal's answer could not be read");
    case UpgradeFailure::ImageMissing:
        return QStringLiteral("there is no such image");
    case UpgradeFailure::ImageEmpty:
        return QStringLiteral("the image is empty");
    case UpgradeFailure::ImageTooLarge:
        return QStringLiteral("the image of %1 bytes would reach the version marker (at most "
                              "%2 bytes fit)")
            .arg(r.detail)
            .arg(An3155::MaxImageBytes);
    }
    return {};
}

bool beforeSending(UpgradeStep step) {
    return step == UpgradeStep::Load || step == UpgradeStep::Split;
}

} // namespace

QString upgradeStopMessage(const UpgradeResult& result) {
    const QString next = beforeSending(result.step)
                             ? QStringLiteral("Nothing was sent to the pedal.")
                             : QStringLiteral("Press \"Upgrade Firmware\" to start again.");
    return QStringLiteral("Firmware upgrade stopped %1: %2. %3")
        .arg(where(result), why(result), next);
}
