#include "fx/Presets.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Folders.h"
#include "fx/Parameters.h"
#include "fx/PresetFile.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString Filter = QStringLiteral("Preset files (*.txt)");
const QString Suffix = QStringLiteral("txt");
} // namespace

void Presets::ensureFolder(const QString& path) {
    QString error;
    if (!Folders::ensure(path, &error)) {
        dialogs_.showMessage(QStringLiteral("Error creating folder: ") + error);
    }
}

void Presets::save() {
    SavePresetText(PresetFile::text(params_));
}

void Presets::SavePresetText(const QString& text) {
    const QString folder = folders_.presetSave();
    ensureFolder(folder);
    QString name =
        dialogs_.saveFileName(QStringLiteral("Save Preset File"), folder, Filter, Suffix);
    if (name.isEmpty()) {
        return;
    }
    // Compared case-sensitively: "NAME.TXT" becomes "NAME.TXT.txt".
    if (!name.endsWith(QStringLiteral(".txt"))) {
        name += QStringLiteral(".txt");
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(PresetFile::bytes(text)) < 0 ||
        !file.commit()) {
        dialogs_.showMessage(QStringLiteral("Error saving file: ") + file.errorString());
        return;
    }
    dialogs_.showMessage(QStringLiteral("File saved successfully: ") + name);
}

QString Presets::LoadPresetText() {
    const QString folder = folders_.presetLoad();
    ensureFolder(folder);
    const QString name = dialogs_.openFileName(QStringLiteral("Open Preset File"), folder, Filter);
    if (name.isEmpty()) {
        return {};
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.showMessage(QStringLiteral("Error loading file: ") + file.errorString());
        return {};
    }
    if (file.size() > LargestFile) {
        dialogs_.showMessage(QStringLiteral("The file %1 is not a preset: it holds %2 bytes. "
                                            "Nothing was loaded.")
                                 .arg(name)
                                 .arg(file.size()));
        return {};
    }
    const QString text = PresetFile::rejoined(file.readAll());
    const int badLine = PresetFile::parse(text).badLine;
    if (badLine > 0) {
        dialogs_.showMessage(QStringLiteral("The file %1 is not a preset: line %2 is not eight "
                                            "hexadecimal digits. Nothing was loaded.")
                                 .arg(name)
                                 .arg(badLine));
        return {};
    }
    dialogs_.showMessage(QStringLiteral("File loaded successfully: ") + name);
    return text;
}

void Presets::load() {
    const QString text = LoadPresetText();
    log_.ConsoleLog(text);
    if (text.isEmpty()) {
        return;
    }
    const PresetFile::Parsed parsed = PresetFile::parse(text);
    for (int i = 0; i < ParameterSet::Count; ++i) {
        params_.value(i) = parsed.values.at(size_t(i));
    }
}
