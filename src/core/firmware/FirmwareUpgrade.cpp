#include "firmware/FirmwareUpgrade.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Pacer.h"
#include "app/Resources.h"
#include "app/ScopeExit.h"
#include "device/PedalLink.h"
#include "firmware/An3155.h"
#include "firmware/FirmwareImage.h"

namespace {

UpgradeResult stopped(UpgradeStep step, UpgradeFailure failure, const QString& detail = {}) {
    UpgradeResult r;
    r.step = step;
    r.failure = failure;
    r.detail = detail;
    return r;
}

} // namespace

UpgradeResult FirmwareUpgrade::ConnectBootloader() {
    const UpgradeFailure failure = exchange_.ConnectBootloader();
    return stopped(UpgradeStep::Greeting, failure, exchange_.lastReply());
}

void FirmwareUpgrade::FirmwareSelect(const QString& caption) {
    SelectedImageName = caption;
    SelectedImageVersion = caption.right(1).toInt();
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QStringLiteral("Firmware Version: %1").arg(SelectedImageVersion));
    log.ConsoleLog(SelectedImageName);
}

UpgradeResult FirmwareUpgrade::upgradeSelected() {
    // LoadFirmwareImage: the built-in image of the chosen name.
    const std::optional<QByteArray> image = Resources::bytes(SelectedImageName);
    if (!image) {
        const UpgradeResult r =
            stopped(UpgradeStep::Load, UpgradeFailure::ImageMissing, SelectedImageName);
        link_.dialogs().showMessage(upgradeStopMessage(r));
        return r;
    }
    link_.log().ConsoleLog(QStringLiteral("Firmware num of bytes: %1").arg(image->size()));
    return upgrade(*image, SelectedImageVersion);
}

UpgradeResult FirmwareUpgrade::upgrade(const QByteArray& image, int version) {
    link_.setHeld(
        QStringLiteral("The firmware upgrade is running. Please wait until it has finished."));
    const ScopeExit release([this] { link_.setHeld(QString()); });
    const UpgradeResult result = runSteps(image, version);
    if (!result.completed()) {
        link_.dialogs().showMessage(upgradeStopMessage(result));
    }
    return result;
}

UpgradeResult FirmwareUpgrade::runSteps(const QByteArray& image, int version) {
    if (image.isEmpty()) {
        return stopped(UpgradeStep::Split, UpgradeFailure::ImageEmpty);
    }
    if (image.size() > An3155::MaxImageBytes) {
        return stopped(UpgradeStep::Split, UpgradeFailure::ImageTooLarge,
                       QString::number(image.size()));
    }
    const std::vector<QByteArray> chunks = SplitImage(image, link_.log());
    // A reply nobody read (to a control moved since Connect) is never taken
    // for the erase's.
    link_.unit().PurgeReceive();
    if (const UpgradeFailure f = exchange_.EraseFlash(); f != UpgradeFailure::None) {
        return stopped(UpgradeStep::Erase, f, exchange_.lastReply());
    }
    if (UpgradeResult r = WriteImage(chunks); !r.completed()) {
        return r;
    }
    if (const UpgradeFailure f = exchange_.WriteVersionMarker(version); f != UpgradeFailure::None) {
        return stopped(UpgradeStep::VersionMarker, f, exchange_.lastReply());
    }
    // The windows stay live through the long pause; the link is still held.
    link_.pacer().pauseLive(RestartPauseMs);
    link_.dialogs().showMessage(
        QStringLiteral("Firmware Upgrade Complete, device will now restart"));
    if (const UpgradeFailure f = exchange_.SendGoCommand(); f != UpgradeFailure::None) {
        return stopped(UpgradeStep::Go, f, exchange_.lastReply());
    }
    return {};
}

UpgradeResult FirmwareUpgrade::WriteImage(const std::vector<QByteArray>& chunks) {
    DiagnosticLog& log = link_.log();
    log.appendDirect(QStringLiteral("Start Write Command"));
    log.appendDirect(QString());
    exchange_.BootAddress = An3155::FlashBase;
    const int count = int(chunks.size());
    for (int i = 0; i < count; ++i) {
        emit progressChanged(i, count);
        const std::uint32_t address = exchange_.BootAddress;
        if (const UpgradeFailure f = exchange_.WriteChunk(chunks[size_t(i)]);
            f != UpgradeFailure::None) {
            UpgradeResult r = stopped(UpgradeStep::WriteChunk, f, exchange_.lastReply());
            r.chunk = i;
            r.chunkCount = count;
            r.address = address;
            return r;
        }
    }
    return {};
}
