#pragma once

#include <QString>
#include <QStringList>

// Opens addresses and starts programs on the user's behalf.
class SystemShell {
public:
    virtual ~SystemShell() = default;
    virtual bool openUrl(const QString& url) = 0;
    // Starts a program with administrator rights after the user's consent.
    virtual bool runElevated(const QString& program, const QStringList& arguments) = 0;
};
