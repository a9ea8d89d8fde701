#pragma once

#include "update/WebClient.h"

#include <QObject>
#include <QString>

class Dialogs;
class DiagnosticLog;
class MakerSite;

// The once-per-run question to the maker's server: which editor version is
// the newest? The server answers with the version as plain text.
class VersionCheck : public QObject {
    Q_OBJECT
public:
    VersionCheck(WebClient& web, const MakerSite& site, Dialogs& dialogs, DiagnosticLog& log);

    // The editor's own version, set once at start.
    QString currentAppVersion;
    // The server's version, once it has answered with one.
    QString newAppVersion;

    // Sends the request; the outcome arrives as one of the signals below.
    void checkmostrecentversiononwebsite();
    // Handles the server's answer. A failed request or an answer that is not
    // a version is shown once and ends the check with no outcome.
    void WebRequestCompleted(const WebAnswer& answer);

signals:
    void newerVersionFound(const QString& version);
    void noNewerVersion();

private:
    WebClient& web_;
    const MakerSite& site_;
    Dialogs& dialogs_;
    DiagnosticLog& log_;
};
