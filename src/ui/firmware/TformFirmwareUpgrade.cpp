#include "firmware/TformFirmwareUpgrade.h"

#include "app/ErrorReport.h"
#include "app/ScopeExit.h"
#include "device/PedalLink.h"
#include "firmware/FirmwareUpgrade.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>

TformFirmwareUpgrade::TformFirmwareUpgrade(const FirmwareWindowParts& parts) : parts_(parts) {
    setWindowTitle(QStringLiteral("Firmware Upgrade"));
    setFixedSize(196, 141);

    cmbFirmwareChoose = new QComboBox(this);
    cmbFirmwareChoose->setGeometry(24, 16, 148, 24);
    cmbFirmwareChoose->addItems(
        {QStringLiteral("Firmware_5"), QStringLiteral("Firmware_6"), QStringLiteral("Firmware_7")});
    // Nothing is chosen until the window is first shown.
    cmbFirmwareChoose->setCurrentIndex(-1);
    btnUpgradeFirmware = new QPushButton(QStringLiteral("Upgrade Firmware"), this);
    btnUpgradeFirmware->setGeometry(24, 52, 148, 32);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(24, 100, 148, 20);

    connect(cmbFirmwareChoose, &QComboBox::currentIndexChanged, this,
            parts_.report.guarded(this, &TformFirmwareUpgrade::FirmwareSelect));
    connect(btnUpgradeFirmware, &QPushButton::clicked, this,
            parts_.report.guarded(this, &TformFirmwareUpgrade::btnUpgradeFirmwareClick));
    connect(&parts_.upgrade, &FirmwareUpgrade::progressChanged, ProgressBar1,
            [this](int position, int maximum) {
                ProgressBar1->setMaximum(maximum);
                ProgressBar1->setValue(position);
            });
}

void TformFirmwareUpgrade::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cmbFirmwareChoose->setCurrentIndex(cmbFirmwareChoose->count() - 1);
}

void TformFirmwareUpgrade::FirmwareSelect() {
    parts_.upgrade.FirmwareSelect(cmbFirmwareChoose->currentText());
}

void TformFirmwareUpgrade::btnUpgradeFirmwareClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    // The choice and the button rest while the upgrade runs; after a
    // completed one the button stays off for the rest of the run.
    bool completed = false;
    btnUpgradeFirmware->setEnabled(false);
    cmbFirmwareChoose->setEnabled(false);
    const ScopeExit restore([this, &completed] {
        cmbFirmwareChoose->setEnabled(true);
        btnUpgradeFirmware->setEnabled(!completed);
    });
    completed = parts_.upgrade.upgradeSelected().completed();
    if (completed) {
        hide();
        emit upgradeCompleted();
    }
}
