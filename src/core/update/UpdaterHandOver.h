#pragma once

#include "update/WebClient.h"

#include <QObject>
#include <QString>
#include <memory>

class Dialogs;
class DiagnosticLog;
class Folders;
class MakerSite;
class QSaveFile;
class SystemShell;

// "Update Now": brings the separate updater program up to date from the
// maker's server, starts it with administrator rights and the two paths it
// works with, and ends the editor. The requests run while the window goes on
// working; the steps keep their order.
class UpdaterHandOver : public QObject {
    Q_OBJECT
public:
    // An updater program is a few MiB.
    static constexpr qint64 LargestUpdater = 256ll * 1024 * 1024;

    UpdaterHandOver(WebClient& web, const MakerSite& site, const Folders& folders, Dialogs& dialogs,
                    DiagnosticLog& log, SystemShell& shell);
    ~UpdaterHandOver() override;

    QString serverUpdaterVersion;
    QString currentUpdaterVersion;

    // Asks first; a second start while one runs is ignored.
    void StartUpdate();
    bool running() const { return running_; }

signals:
    // The updater has been handed over (or failed to start): the editor ends.
    void editorEnds();

private:
    WebClient& web_;
    const MakerSite& site_;
    const Folders& folders_;
    Dialogs& dialogs_;
    DiagnosticLog& log_;
    SystemShell& shell_;
    bool running_ = false;
    // The download goes here and replaces the file only when it arrived whole.
    std::unique_ptr<QSaveFile> download_;

    QString programFolderFile(const QString& name) const;
    void UpdateUpdater();
    void updaterVersionAnswered(const WebAnswer& answer);
    void NetHTTPRequest1RequestCompleted(const WebAnswer& answer);
    void DownloadUpdater();
    void downloadCompleted(const WebAnswer& answer);
    void handOver();
    void LaunchUpdater(const QString& updaterPath, const QString& newEditorPath,
                       const QString& editorPath);
};
