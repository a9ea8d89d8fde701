#pragma once

#include <QString>

// The maker's web server. Its base address, scheme included, is fixed at
// build time; TARNWICK_WEB_BASE replaces it, so a local http:// or https://
// server can stand in.
class MakerSite {
public:
    MakerSite();

    QString base() const { return base_; }
    // The base joined with a path that starts with "/".
    QString address(const QString& path) const { return base_ + path; }

private:
    QString base_;
};

// The paths the editor uses on the maker's server.
namespace site {
inline const QString EditorVersion = QStringLiteral("/download/tarnwick-editor-version.php");
inline const QString UpdaterVersion =
    QStringLiteral("/download/update/Tarnwick_Win_Updater_Version.php");
inline const QString Updater = QStringLiteral("/download/update/Tarnwick_Win_Updater.exe");
inline const QString WhatsNew = QStringLiteral("/download/update/whatsnew.html");
inline const QString Support = QStringLiteral("/contact-us/");
} // namespace site
