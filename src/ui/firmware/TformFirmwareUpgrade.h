#pragma once

#include <QWidget>

class ErrorReport;
class FirmwareUpgrade;
class PedalLink;
class QComboBox;
class QProgressBar;
class QPushButton;

// What the firmware window works with.
struct FirmwareWindowParts {
    PedalLink& link;
    FirmwareUpgrade& upgrade;
    const ErrorReport& report;
};

// The window in which the user picks a built-in firmware image and starts
// the upgrade; it shows the progress and the result.
class TformFirmwareUpgrade : public QWidget {
    Q_OBJECT
public:
    explicit TformFirmwareUpgrade(const FirmwareWindowParts& parts);

    QComboBox* cmbFirmwareChoose = nullptr;
    QPushButton* btnUpgradeFirmware = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    void FirmwareSelect();
    void btnUpgradeFirmwareClick();

signals:
    // Every step was acknowledged and the new firmware started.
    void upgradeCompleted();

protected:
    // FormShow: every opening chooses the newest image.
    void showEvent(QShowEvent* event) override;

private:
    FirmwareWindowParts parts_;
};
