#pragma once

#include "app/Dialogs.h"

#include <QQueue>
#include <QStringList>
#include <functional>

// Answers every box from a script and records every text shown.
class ScriptedDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override {
        messages << text;
        if (onMessage) {
            onMessage(text);
        }
    }
    bool confirm(const QString& text) override {
        confirmations << text;
        return answers.isEmpty() ? true : answers.dequeue();
    }
    QString openFileName(const QString& title, const QString& folder, const QString&) override {
        fileDialogs << title + QLatin1Char('|') + folder;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const QString& title, const QString& folder, const QString&,
                         const QString&) override {
        fileDialogs << title + QLatin1Char('|') + folder;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList messages;
    QStringList confirmations;
    QStringList fileDialogs;
    QQueue<bool> answers;      // Yes unless scripted
    QQueue<QString> fileNames; // cancel unless scripted
    // Sees each box while it is shown.
    std::function<void(const QString&)> onMessage;
};
