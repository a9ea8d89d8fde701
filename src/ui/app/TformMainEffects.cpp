// The effect list: the built-in algorithms, and opening the effect settings
// window for the one clicked.
#include "app/DiagnosticLog.h"
#include "app/Editor.h"
#include "app/Resources.h"
#include "app/TformMain.h"
#include "fx/TformFXsettings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>

void TformMain::FillEffectList() {
    lstEffects->addItems(editor_.resources().ResourceLines);
}

void TformMain::effetto_cliccato() {
    DiagnosticLog& log = editor_.log();
    const int index = lstEffects->currentRow();
    log.ConsoleLog(QStringLiteral("efx index :%1").arg(index));
    QListWidgetItem* item = lstEffects->item(index);
    editor_.state().SelectedEffectName = item ? item->text() : QString();
    log.ConsoleLog(QStringLiteral("selected effect name: ") + editor_.state().SelectedEffectName);
    TformFXsettings& fx = editor_.fxSettings();
    if (fx.isVisible()) {
        fx.close();
    }
    // Against the main window's right edge, tops level.
    const QRect frame = frameGeometry();
    fx.move(frame.x() + frame.width(), frame.y());
    fx.show();
    fx.FormShow();
    fx.setWindowTitle(editor_.state().SelectedEffectName);
    fx.SetEffectControlsEnabled(editor_.state().DeviceConnected);
}

bool TformMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstEffects && event->type() == QEvent::KeyPress) {
        move_up_or_down(static_cast<QKeyEvent*>(event)->key());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::move_up_or_down(int key) {
    const int row = lstEffects->currentRow();
    if (key == Qt::Key_Up) {
        editor_.log().ConsoleLog(QStringLiteral("arrow up pressed"));
        if (row > 0) {
            lstEffects->setCurrentRow(row - 1);
        }
    } else if (key == Qt::Key_Down) {
        editor_.log().ConsoleLog(QStringLiteral("arrow down pressed"));
        if (row < lstEffects->count() - 1) {
            lstEffects->setCurrentRow(row + 1);
        }
    }
}
