#include "app/DesktopShell.h"

#include "app/ShellParameters.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

bool DesktopShell::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool DesktopShell::runElevated(const QString& program, const QStringList& arguments) {
#ifdef Q_OS_WIN
    const std::wstring file = program.toStdWString();
    const std::wstring params = quotedParameters(arguments).toStdWString();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"runas", file.c_str(), params.c_str(), nullptr, SW_SHOWNORMAL));
    return result > 32;
#else
    return QProcess::startDetached(QStringLiteral("pkexec"), QStringList{program} + arguments);
#endif
}
