#pragma once

#include "update/MakerSite.h"
#include "update/UpdateMessageFlag.h"
#include "update/UpdaterHandOver.h"
#include "update/VersionCheck.h"
#include "update/WebClient.h"

#include <QList>
#include <QSslCertificate>

class DiagnosticLog;
class Dialogs;
class Folders;
class SystemShell;

// The updates subsystem, made together: the maker's server and the client
// that reaches it, the notice flag, the version check and the hand-over.
class Updates {
public:
    // `trusted`: authorities trusted besides the system's (a test's own).
    Updates(const Folders& folders, Dialogs& dialogs, DiagnosticLog& log, SystemShell& shell,
            int timeLimitMs, const QList<QSslCertificate>& trusted);

    // Opens an address in the user's browser; the result is not examined.
    void OpenURL(const QString& url);

    MakerSite site;
    WebClient web;
    UpdateMessageFlag flag;
    VersionCheck check;
    UpdaterHandOver handOver;

private:
    SystemShell& shell_;
};
