#pragma once

#include "LogRecorder.h"
#include "RecordingPacer.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "SimD2xx.h"
#include "app/Editor.h"
#include "app/TformMain.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// A fresh editor on the offscreen platform against a simulated pedal, with
// scripted boxes, a recording shell, recorded pauses scaled to nothing and its
// own documents folder.
struct EditorFixture {
    // How long the editor waits for an answer: a silent pedal costs a test
    // this much.
    static constexpr int AnswerLimitMs = 250;

    QTemporaryDir documents;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingPacer pacer;
    SimD2xx* sim = nullptr;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<LogRecorder> log;

    // `prepare` sets up the pedal before the editor starts and probes it;
    // `pacing` scales the pauses (real ones at 1).
    explicit EditorFixture(const std::function<void(SimD2xx&)>& prepare = {},
                           const QString& documentsFolder = QString(), double pacing = 0.0)
        : pacer(pacing) {
        auto api = std::make_unique<SimD2xx>();
        sim = api.get();
        pacer.onPause = [this](int ms) { sim->note(QStringLiteral("pause %1").arg(ms)); };
        if (prepare) {
            prepare(*sim);
        }
        start(std::move(api), documentsFolder);
    }

    // The editor over another back end; `sim` stays null.
    explicit EditorFixture(std::unique_ptr<D2xxApi> api) { start(std::move(api), QString()); }

    TformMain& main() { return editor->main(); }
    SimulatedPedal& pedal() { return sim->pedal(); }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void trigger(QAction* action) { action->trigger(); }
    void connect() { trigger(main().menuConnect); }
    // Clicks the built-in effect in the effect list.
    void clickEffect() {
        QListWidget* list = main().lstEffects;
        QListWidgetItem* item = list->item(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    void request() { click(main().btnRequest); }

private:
    void start(std::unique_ptr<D2xxApi> api, const QString& documentsFolder) {
        EditorOptions options;
        options.api = std::move(api);
        options.dialogs = &dialogs;
        options.shell = &shell;
        options.pacer = &pacer;
        options.documentsFolder = documentsFolder.isEmpty() ? documents.path() : documentsFolder;
        options.answerTimeoutMs = AnswerLimitMs;
        editor = std::make_unique<Editor>(std::move(options));
        // The version check is the update tests' concern; here it would ask a
        // server that is not there.
        editor->main().TimerCheckWebVersion->stop();
        log = std::make_unique<LogRecorder>(editor->log());
    }
};
