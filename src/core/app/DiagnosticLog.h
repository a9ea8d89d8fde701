#pragma once

#include <QObject>
#include <QString>

// The editor's only trace. It keeps no lines itself: the debug console's memo
// is its view, and tests listen to the same signal.
class DiagnosticLog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Appends one line exactly as given; the view follows it to the end while
    // its auto-scroll is on.
    void ConsoleLog(const QString& text) { emit lineAdded(text, true); }
    // A few lines go into the view without moving it.
    void appendDirect(const QString& text) { emit lineAdded(text, false); }

signals:
    void lineAdded(const QString& text, bool scroll);
};
