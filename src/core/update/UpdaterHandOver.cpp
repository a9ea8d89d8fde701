#include "update/UpdaterHandOver.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Folders.h"
#include "app/SystemShell.h"
#include "update/AppVersion.h"
#include "update/MakerSite.h"
#include "update/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString UpdaterFile = QStringLiteral("Tarnwick_Win_Updater.exe");
const QString DownloadFile = QStringLiteral("Tarnwick_Win_Updater_Update.exe");
const QString NewEditorFile = QStringLiteral("Tarnwick_Editor_Update.exe");
// A program file whose version cannot be read counts as the newest there is.
constexpr quint32 UnreadableVersion = 0xFFFFFFFF;

QString withoutPoints(QString text) {
    return text.remove(QLatin1Char('.'));
}
} // namespace

UpdaterHandOver::UpdaterHandOver(WebClient& web, const MakerSite& site, const Folders& folders,
                                 Dialogs& dialogs, DiagnosticLog& log, SystemShell& shell)
    : web_(web), site_(site), folders_(folders), dialogs_(dialogs), log_(log), shell_(shell) {}

UpdaterHandOver::~UpdaterHandOver() = default;

QString UpdaterHandOver::programFolderFile(const QString& name) const {
    return QDir::toNativeSeparators(QDir(folders_.program()).filePath(name));
}

void UpdaterHandOver::StartUpdate() {
    if (running_ || !dialogs_.confirm(
                        QStringLiteral("This action will update the Tarnwick Editor to the latest "
                                       "version. Do you want to continue?"))) {
        return;
    }
    running_ = true;
    UpdateUpdater();
}

void UpdaterHandOver::UpdateUpdater() {
    web_.get(site_.address(site::UpdaterVersion), LargestVersionAnswer, nullptr,
             [this](const WebAnswer& answer) { updaterVersionAnswered(answer); });
}

void UpdaterHandOver::NetHTTPRequest1RequestCompleted(const WebAnswer& answer) {
    if (answer.status == 200) {
        serverUpdaterVersion = answer.text();
        log_.ConsoleLog(QStringLiteral("updater version on server: ") + serverUpdaterVersion);
    } else {
        dialogs_.showMessage(QStringLiteral("Error: ") + answer.reasonText());
    }
}

void UpdaterHandOver::updaterVersionAnswered(const WebAnswer& answer) {
    // Without an answer nothing is downloaded or started.
    if (!answer.answered) {
        dialogs_.showMessage(answer.error);
        running_ = false;
        return;
    }
    NetHTTPRequest1RequestCompleted(answer);
    const QString updater = programFolderFile(UpdaterFile);
    if (!QFileInfo::exists(updater)) {
        log_.ConsoleLog(QStringLiteral("Local updater not found, proceed with download..."));
        DownloadUpdater();
        return;
    }
    log_.ConsoleLog(QStringLiteral("local updater exists, check version..."));
    currentUpdaterVersion = versionText(readFileVersion(updater).value_or(UnreadableVersion));
    log_.ConsoleLog(QStringLiteral("currentUpdaterVersion: ") + currentUpdaterVersion);
    // A failed request has been reported; there is nothing to compare with.
    if (answer.status != 200) {
        running_ = false;
        return;
    }
    log_.ConsoleLog(withoutPoints(serverUpdaterVersion));
    log_.ConsoleLog(withoutPoints(currentUpdaterVersion));
    const auto server = parseVersion(serverUpdaterVersion);
    if (!server) {
        dialogs_.showMessage(notAVersionText(serverUpdaterVersion));
        running_ = false;
        return;
    }
    if (isNewerVersion(*server, *parseVersion(currentUpdaterVersion))) {
        log_.ConsoleLog(QStringLiteral(
            "New version of the updater found on server, downloading the new updater..."));
        DownloadUpdater();
        return;
    }
    handOver();
}

void UpdaterHandOver::DownloadUpdater() {
    download_ = std::make_unique<QSaveFile>(programFolderFile(DownloadFile));
    if (!download_->open(QIODevice::WriteOnly)) {
        dialogs_.showMessage(QStringLiteral("Download failed: ") + download_->errorString());
        download_.reset();
        handOver();
        return;
    }
    web_.get(site_.address(site::Updater), LargestUpdater, download_.get(),
             [this](const WebAnswer& answer) { downloadCompleted(answer); });
}

void UpdaterHandOver::downloadCompleted(const WebAnswer& answer) {
    QString failure;
    if (!answer.answered) {
        failure = answer.error;
    } else if (answer.status != 200) {
        failure = answer.reasonText();
    } else if (!download_->commit()) {
        failure = download_->errorString();
    }
    // Dropping an uncommitted file leaves the one in place whole.
    download_.reset();
    if (!failure.isEmpty()) {
        dialogs_.showMessage(QStringLiteral("Download failed: ") + failure);
    } else {
        dialogs_.showMessage(
            QStringLiteral("New updater downloaded! Click OK to proceed with the update."));
        shell_.runElevated(programFolderFile(UpdaterFile), {});
    }
    handOver();
}

void UpdaterHandOver::handOver() {
    const QString newEditor =
        QDir::toNativeSeparators(QDir(folders_.temporary()).filePath(NewEditorFile));
    LaunchUpdater(programFolderFile(UpdaterFile), newEditor,
                  QDir::toNativeSeparators(folders_.programFile()));
    running_ = false;
    emit editorEnds();
}

void UpdaterHandOver::LaunchUpdater(const QString& updaterPath, const QString& newEditorPath,
                                    const QString& editorPath) {
    if (!shell_.runElevated(updaterPath, {newEditorPath, editorPath})) {
        dialogs_.showMessage(
            QStringLiteral("Failed to launch updater. Please run as administrator."));
    }
}
