#pragma once

#include "app/DiagnosticLog.h"

#include <QObject>
#include <QStringList>

// Keeps every line the log writes, for assertions.
class LogRecorder : public QObject {
public:
    explicit LogRecorder(DiagnosticLog& log) {
        connect(&log, &DiagnosticLog::lineAdded, this, [this](const QString& text, bool scroll) {
            lines << text;
            scrolls << scroll;
        });
    }
    QStringList lines;
    QList<bool> scrolls;
};
