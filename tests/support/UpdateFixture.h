#pragma once

#include "LocalWebServer.h"
#include "LogRecorder.h"
#include "RecordingPacer.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "SimD2xx.h"
#include "app/Editor.h"
#include "app/TformMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

// A fresh editor whose maker's server is a local one, with its own
// documents, program and temporary folders, scripted boxes and a recording
// shell. Boxes and starts are also kept in one list, in the order they came.
struct UpdateFixture {
    // How long the server may stay silent before the editor gives up.
    static constexpr int TimeLimitMs = 1000;

    QTemporaryDir root;
    LocalWebServer server;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingPacer pacer;
    QStringList events;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<LogRecorder> log;
    // Authorities the editor trusts besides the system's.
    QList<QSslCertificate> trusted;

    UpdateFixture() {
        for (const char* folder : {"documents", "program", "temp"}) {
            QDir(root.path()).mkpath(QLatin1String(folder));
        }
        dialogs.onMessage = [this](const QString& text) {
            events << QStringLiteral("box ") + text;
        };
        shell.onStart = [this](const QString& program) {
            events << QStringLiteral("start ") + QFileInfo(program).fileName();
        };
    }

    QString documents() const { return root.filePath(QStringLiteral("documents")); }
    // The editor's program folder; a test may name one that is not there.
    QString programName = QStringLiteral("program");
    QString program() const { return root.filePath(programName); }
    QString temp() const { return root.filePath(QStringLiteral("temp")); }
    QString editorFile() const { return program() + QStringLiteral("/tarnwick-editor"); }
    QString productFolder() const { return documents() + QStringLiteral("/KORVA/Tarnwick ZQ7"); }
    QString flagFile() const {
        return productFolder() + QStringLiteral("/ShowMessageVersionAtStartup.txt");
    }

    // Starts the editor against the server (or the base given); the version
    // check's timer is left as the editor set it.
    void start(const QString& base = QString()) {
        qputenv("TARNWICK_WEB_BASE", (base.isEmpty() ? server.base() : base).toUtf8());
        EditorOptions options;
        options.api = std::make_unique<SimD2xx>();
        options.dialogs = &dialogs;
        options.shell = &shell;
        options.pacer = &pacer;
        options.documentsFolder = documents();
        options.programFile = editorFile();
        options.temporaryFolder = temp();
        options.webTimeLimitMs = TimeLimitMs;
        options.trustedCertificates = trusted;
        editor = std::make_unique<Editor>(std::move(options));
        log = std::make_unique<LogRecorder>(editor->log());
    }

    TformMain& main() { return editor->main(); }

    // A page where a version should be.
    static constexpr const char* HtmlPage =
        "<!DOCTYPE html>\n<html><body>Maintenance</body></html>";

    // Makes the server answer `path` in one of the ways a server fails; the
    // base address to start with, which for "refused" is one nobody serves.
    QString failAt(const QByteArray& path, const QString& kind) {
        if (kind == QLatin1String("404")) {
            server.route(path, {404, "Not Found", "<html>no</html>", "text/html"});
        } else if (kind == QLatin1String("500")) {
            server.route(path, {500, "Internal Server Error", "1.8", "text/plain"});
        } else if (kind == QLatin1String("html")) {
            server.route(path, {200, "OK", HtmlPage, "text/html"});
        } else if (kind == QLatin1String("empty")) {
            server.answer(path, "");
        } else if (kind == QLatin1String("silent")) {
            server.silence(path);
        } else if (kind == QLatin1String("huge")) {
            server.answer(path, QByteArray(8 * 1024 * 1024, '1'));
        } else if (kind == QLatin1String("untrusted")) {
            server.useTls(TEST_CERTIFICATES);
            server.answer(path, "9.9");
        } else if (kind == QLatin1String("refused")) {
            LocalWebServer closed;
            return closed.base();
        }
        return server.base();
    }

    // Runs the version check now instead of a second after start.
    void check() {
        main().TimerCheckWebVersion->setInterval(0);
        main().TimerCheckWebVersion->start();
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};
