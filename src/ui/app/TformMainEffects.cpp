// The effect list: the built-in algorithms, opening the effect settings
// window for the one clicked, and uploading its algorithm.
#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Resources.h"
#include "app/SessionState.h"
#include "app/TformMain.h"
#include "device/AlgorithmUpload.h"
#include "device/PedalLink.h"

#include <QLabel>
#include <QListWidget>

void TformMain::FillEffectList() {
    lstEffects->addItems(parts_.resources.ResourceLines);
}

void TformMain::effetto_cliccato() {
    DiagnosticLog& log = parts_.link.log();
    const int index = lstEffects->currentRow();
    log.ConsoleLog(QStringLiteral("efx index :%1").arg(index));
    QListWidgetItem* item = lstEffects->item(index);
    parts_.state.SelectedEffectName = item ? item->text() : QString();
    log.ConsoleLog(QStringLiteral("selected effect name: ") + parts_.state.SelectedEffectName);
    emit effectClicked(frameGeometry());
}

void TformMain::move_up_or_down(int key) {
    const int row = lstEffects->currentRow();
    if (key == Qt::Key_Up) {
        parts_.link.log().ConsoleLog(QStringLiteral("arrow up pressed"));
        if (row > 0) {
            lstEffects->setCurrentRow(row - 1);
        }
    } else if (key == Qt::Key_Down) {
        parts_.link.log().ConsoleLog(QStringLiteral("arrow down pressed"));
        if (row < lstEffects->count() - 1) {
            lstEffects->setCurrentRow(row + 1);
        }
    }
}

void TformMain::UploadCheckTimerTimer() {
    lblStatus->setText(QStringLiteral("Upload Failed"));
}

void TformMain::btnUploadClick() {
    if (parts_.link.refuseWhileWaiting() ||
        !parts_.link.dialogs().confirm(QStringLiteral("Upload the selected algorithm?"))) {
        return;
    }
    parts_.upload.upload(parts_.state.SelectedEffectName);
}
