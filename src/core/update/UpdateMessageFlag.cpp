#include "update/UpdateMessageFlag.h"

#include "app/EditorError.h"
#include "app/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QString Yes = QStringLiteral("YES");
const QString No = QStringLiteral("NO");
// The flag is one word; a file far larger is not a flag.
constexpr qint64 LargestFile = 4096;

// Written as UTF-8 without byte order mark and without a line end.
bool writeText(const QString& path, const QString& text, QString* error) {
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    *error = file.errorString();
    return false;
}

// A byte order mark decides the encoding; without one the text is UTF-8.
QString decode(const QByteArray& bytes) {
    const auto bom = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(bom.value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

} // namespace

QString UpdateMessageFlag::path() const {
    return QDir(folders_.product()).filePath(QStringLiteral("ShowMessageVersionAtStartup.txt"));
}

void UpdateMessageFlag::ReadShowUpdateMessageFlag() {
    const QString file = path();
    if (!QFileInfo::exists(file)) {
        // The start goes on without the file; the flag stays set.
        QString ignored;
        writeText(file, Yes, &ignored);
        return;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > LargestFile) {
        return;
    }
    const QString text = decode(in.readAll());
    if (text == Yes) {
        showUpdateMessageAtStartup = true;
    } else if (text == No) {
        showUpdateMessageAtStartup = false;
    }
}

void UpdateMessageFlag::rewrite(bool show) const {
    const QString file = path();
    QString error;
    if (QFileInfo::exists(file) && !writeText(file, show ? Yes : No, &error)) {
        throw EditorError(
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(file), error));
    }
}
