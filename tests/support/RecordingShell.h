#pragma once

#include "app/SystemShell.h"

#include <QStringList>

// Records what the editor asked the system to open or start.
class RecordingShell : public SystemShell {
public:
    bool openUrl(const QString& url) override {
        opened << url;
        return true;
    }
    bool runElevated(const QString& program, const QStringList& arguments) override {
        started << (QStringList{program} + arguments).join(QLatin1Char(' '));
        return true;
    }
    QStringList opened;
    QStringList started;
};
