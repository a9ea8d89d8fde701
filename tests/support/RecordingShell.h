#pragma once

#include "app/SystemShell.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// Records what the editor asked the system to open or start.
class RecordingShell : public SystemShell {
public:
    bool openUrl(const QString& url) override {
        opened << url;
        return true;
    }
    bool runElevated(const QString& program, const QStringList& arguments) override {
        started << QStringList{program} + arguments;
        if (onStart) {
            onStart(program);
        }
        return results.isEmpty() ? true : results.dequeue();
    }
    QStringList opened;
    // Each start: the program, then its arguments one by one.
    QList<QStringList> started;
    // Whether each start succeeds; it does unless scripted.
    QQueue<bool> results;
    // Sees each start as it happens.
    std::function<void(const QString&)> onStart;
};
