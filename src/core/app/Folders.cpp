#include "app/Folders.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

Folders::Folders(const QString& documents)
    : documents_(documents.isEmpty()
                     ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                     : documents) {}

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
