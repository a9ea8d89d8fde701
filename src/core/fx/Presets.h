#pragma once

#include <QString>

class Dialogs;
class DiagnosticLog;
class Folders;
class ParameterSet;

// "Save Preset" and "Load Preset": the fifteen values in a small text file.
class Presets {
public:
    // A preset is 137 bytes; a file far larger is not one.
    static constexpr qint64 LargestFile = 65536;

    Presets(Dialogs& dialogs, DiagnosticLog& log, const Folders& folders, ParameterSet& params)
        : dialogs_(dialogs), log_(log), folders_(folders), params_(params) {}

    // Writes the records' values to a file the user names.
    void save();
    // Reads a file the user names into the records; a file whose values are
    // not all well formed is refused whole and changes nothing.
    void load();

    // Asks for the file in the save folder and writes it atomically.
    void SavePresetText(const QString& text);
    // Asks for the file in the load folder; its rejoined text, or empty text
    // when cancelled, unreadable or refused.
    QString LoadPresetText();

private:
    Dialogs& dialogs_;
    DiagnosticLog& log_;
    const Folders& folders_;
    ParameterSet& params_;

    void ensureFolder(const QString& path);
};
