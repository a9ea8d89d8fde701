#pragma once

#include <QString>

// The editor keeps its files in a maker folder under the user's documents
// folder, and a product folder inside it.
class Folders {
public:
    // Empty: the platform's documents folder, the running program's file and
    // the user's temporary folder.
    explicit Folders(const QString& documents = QString(), const QString& programFile = QString(),
                     const QString& temporary = QString());

    QString documents() const { return documents_; }
    QString maker() const;   // documents + "KORVA"
    QString product() const; // maker + "Tarnwick ZQ7"
    // Presets are saved in one folder and loaded from another.
    QString presetSave() const; // maker + "tarnwick_zq7_folder/Preset"
    QString presetLoad() const; // product + "Preset"

    // The editor's own program file, and the folder it lies in.
    QString programFile() const;
    QString program() const;
    QString temporary() const;

    // Creates the folder with any missing parents; false with the reason.
    static bool ensure(const QString& path, QString* error);

private:
    QString documents_;
    QString programFile_;
    QString temporary_;
};
