#pragma once

#include <QString>

// The editor keeps its files in a maker folder under the user's documents
// folder, and a product folder inside it.
class Folders {
public:
    // Empty: the platform's documents folder.
    explicit Folders(const QString& documents = QString());

    QString documents() const { return documents_; }
    QString maker() const;   // documents + "KORVA"
    QString product() const; // maker + "Tarnwick ZQ7"
    // Presets are saved in one folder and loaded from another.
    QString presetSave() const; // maker + "tarnwick_zq7_folder/Preset"
    QString presetLoad() const; // product + "Preset"

    // Creates the folder with any missing parents; false with the reason.
    static bool ensure(const QString& path, QString* error);

private:
    QString documents_;
};
