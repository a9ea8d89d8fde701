// The main window's side of the updates: the version check's timer and
// outcome, and the "Info" menu's commands.
#include "app/DiagnosticLog.h"
#include "app/ErrorReport.h"
#include "app/TformMain.h"
#include "device/PedalLink.h"
#include "update/AppVersion.h"
#include "update/Updates.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

void TformMain::connectUpdateCommands() {
    const ErrorReport& report = parts_.report;
    connect(TimerCheckWebVersion, &QTimer::timeout, this,
            report.guarded(this, &TformMain::checkmostrecentversiononwebsite));
    connect(menuInfo, &QMenu::aboutToShow, this, report.guarded(this, &TformMain::menuInfoClick));
    connect(menuSupport, &QAction::triggered, this,
            report.guarded(this, &TformMain::menuSupportClick));
    connect(menuUpdateNow, &QAction::triggered, this,
            report.guarded(this, &TformMain::menuUpdateNowClick));
    connect(menuShowUpdateMsg, &QAction::triggered, this,
            report.guarded(this, &TformMain::menuShowUpdateMsgClick));
    VersionCheck& check = parts_.updates.check;
    connect(&check, &VersionCheck::newerVersionFound, this, &TformMain::newerVersionFound);
    connect(&check, &VersionCheck::noNewerVersion, this, &TformMain::noNewerVersion);
}

void TformMain::PrepareUpdates() {
    Updates& updates = parts_.updates;
    updates.flag.ReadShowUpdateMessageFlag();
    menuShowUpdateMsg->setChecked(updates.flag.showUpdateMessageAtStartup);
    // It fires once the window is made and the event loop runs.
    TimerCheckWebVersion->start();
    updates.check.currentAppVersion = GetAppVersion();
    menuAppVersion->setText(menuAppVersion->text() + QLatin1Char(' ') +
                            updates.check.currentAppVersion);
}

void TformMain::checkmostrecentversiononwebsite() {
    // Nothing starts it again: the check runs once per run.
    TimerCheckWebVersion->stop();
    parts_.updates.check.checkmostrecentversiononwebsite();
}

void TformMain::newerVersionFound(const QString& version) {
    menuNewAppVersion->setText(menuNewAppVersion->text() + QLatin1Char(' ') + version);
    if (parts_.updates.flag.showUpdateMessageAtStartup) {
        emit newVersionNoticeRequested();
    }
    menuUpdateNow->setEnabled(true);
}

void TformMain::noNewerVersion() {
    menuNewAppVersion->setText(QStringLiteral("No update available"));
    menuUpdateNow->setEnabled(false);
}

void TformMain::menuInfoClick() {
    parts_.link.log().ConsoleLog(QStringLiteral("current app version: ") +
                                 parts_.updates.check.currentAppVersion);
}

void TformMain::menuSupportClick() {
    parts_.updates.OpenURL(parts_.updates.site.address(site::Support));
}

void TformMain::menuUpdateNowClick() {
    parts_.updates.handOver.StartUpdate();
}

void TformMain::menuShowUpdateMsgClick() {
    // The item has already flipped its check mark; the choice counts from
    // the next start.
    parts_.updates.flag.rewrite(menuShowUpdateMsg->isChecked());
}
