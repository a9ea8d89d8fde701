#pragma once

#include "firmware/BootloaderExchange.h"
#include "firmware/UpgradeResult.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

class PedalLink;

// The firmware upgrade: the chosen built-in image, and the sequence that
// erases the pedal's flash, writes the image and its version marker and
// starts the new firmware. It stops at the first step that fails, names
// that step in a box, and keeps the pedal to itself while it runs.
class FirmwareUpgrade : public QObject {
    Q_OBJECT
public:
    static constexpr int RestartPauseMs = 2000;

    explicit FirmwareUpgrade(PedalLink& link) : link_(link), exchange_(link) {}

    // The greeting after Connect in upgrade mode.
    UpgradeResult ConnectBootloader();

    // Records the chosen entry: its caption is the image's resource name and
    // ends in the image's version.
    void FirmwareSelect(const QString& caption);

    // Loads the selected image and upgrades the pedal with it.
    UpgradeResult upgradeSelected();
    // Checks the image's size before anything is sent, then splits it,
    // erases, writes the chunks and the version marker, pauses with the
    // windows live, shows the closing message and sends Go.
    UpgradeResult upgrade(const QByteArray& image, int version);

    BootloaderExchange& exchange() { return exchange_; }

    QString SelectedImageName;
    int SelectedImageVersion = 0;

signals:
    // Chunk `position` of `maximum` is being written.
    void progressChanged(int position, int maximum);

private:
    PedalLink& link_;
    BootloaderExchange exchange_;

    UpgradeResult runSteps(const QByteArray& image, int version);
    UpgradeResult WriteImage(const std::vector<QByteArray>& chunks);
};
