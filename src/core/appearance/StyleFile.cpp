#include "appearance/StyleFile.h"

#include "app/EditorError.h"
#include "app/IntegerText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString StyleFile::path() const {
    return QDir(makerFolder_).filePath(QStringLiteral("style.txt"));
}

std::optional<int> StyleFile::read() const {
    QFile file(path());
    if (!file.exists()) {
        return 0;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // The editor writes one short number; a larger file is not ours.
    constexpr qint64 Longest = 64;
    if (file.size() > Longest) {
        return std::nullopt;
    }
    return parseIntegerText(QString::fromUtf8(file.readAll()));
}

void StyleFile::write(int look) const {
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::number(look)) < 0 ||
        !file.commit()) {
        throw EditorError(QStringLiteral("Cannot write %1: %2").arg(path(), file.errorString()));
    }
}
