#include "app/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

Folders::Folders(const QString& documents, const QString& programFile, const QString& temporary)
    : documents_(documents.isEmpty()
                     ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                     : documents),
      programFile_(programFile), temporary_(temporary) {}

QString Folders::programFile() const {
    return programFile_.isEmpty() ? QCoreApplication::applicationFilePath() : programFile_;
}

QString Folders::program() const {
    return QFileInfo(programFile()).absolutePath();
}

QString Folders::temporary() const {
    // Qt gives the long form of the name, without 8.3 short names: the updater
    // is handed a path in it.
    return temporary_.isEmpty() ? QDir::tempPath() : temporary_;
}

QString Folders::maker() const {
    return QDir(documents_).filePath(QStringLiteral("KORVA"));
}

QString Folders::product() const {
    return QDir(maker()).filePath(QStringLiteral("Tarnwick ZQ7"));
}

QString Folders::presetSave() const {
    return QDir(maker()).filePath(QStringLiteral("tarnwick_zq7_folder/Preset"));
}

QString Folders::presetLoad() const {
    return QDir(product()).filePath(QStringLiteral("Preset"));
}

bool Folders::ensure(const QString& path, QString* error) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path.toStdU16String()), ec);
    if (ec) {
        *error = QString::fromStdString(ec.message());
        return false;
    }
    return true;
}
