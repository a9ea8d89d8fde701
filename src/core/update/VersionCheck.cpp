#include "update/VersionCheck.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "update/MakerSite.h"
#include "update/Version.h"

VersionCheck::VersionCheck(WebClient& web, const MakerSite& site, Dialogs& dialogs,
                           DiagnosticLog& log)
    : web_(web), site_(site), dialogs_(dialogs), log_(log) {}

void VersionCheck::checkmostrecentversiononwebsite() {
    web_.get(site_.address(site::EditorVersion), LargestVersionAnswer, nullptr,
             [this](const WebAnswer& answer) { WebRequestCompleted(answer); });
}

void VersionCheck::WebRequestCompleted(const WebAnswer& answer) {
    if (!answer.answered) {
        dialogs_.showMessage(answer.error);
        return;
    }
    if (answer.status != 200) {
        dialogs_.showMessage(QStringLiteral("Error: ") + answer.reasonText());
        return;
    }
    const QString body = answer.text();
    log_.ConsoleLog(QStringLiteral("currentAppVersion: ") + currentAppVersion);
    log_.ConsoleLog(QStringLiteral("newAppVersion: ") + body);
    const auto server = parseVersion(body);
    const auto own = parseVersion(currentAppVersion);
    if (!server || !own) {
        dialogs_.showMessage(notAVersionText(server ? currentAppVersion : body));
        return;
    }
    newAppVersion = body.trimmed();
    if (isNewerVersion(*server, *own)) {
        emit newerVersionFound(newAppVersion);
    } else {
        emit noNewerVersion();
    }
}
