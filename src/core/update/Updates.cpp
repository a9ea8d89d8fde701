#include "update/Updates.h"

#include "app/SystemShell.h"

Updates::Updates(const Folders& folders, Dialogs& dialogs, DiagnosticLog& log, SystemShell& shell,
                 int timeLimitMs, const QList<QSslCertificate>& trusted)
    : web(timeLimitMs), flag(folders), check(web, site, dialogs, log),
      handOver(web, site, folders, dialogs, log, shell), shell_(shell) {
    web.trust(trusted);
}

void Updates::OpenURL(const QString& url) {
    shell_.openUrl(url);
}
