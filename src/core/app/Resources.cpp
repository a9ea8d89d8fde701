#include "app/Resources.h"

#include "app/Dialogs.h"
#include "app/EditorError.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

const QString Root = QStringLiteral(":/tarnwick");

QString pathOf(const QString& name) {
    const QStringList entries = QDir(Root).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return Root + QLatin1Char('/') + entry;
        }
    }
    return {};
}

} // namespace

std::optional<QByteArray> Resources::bytes(const QString& name) {
    const QString path = pathOf(name);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

QStringList Resources::textLines(const QByteArray& bytes) {
    const auto bom = QStringConverter::encodingForData(bytes);
    QString text;
    if (bom) {
        QStringDecoder decoder(*bom, QStringConverter::Flag::ConvertInitialBom);
        text = decoder(bytes);
        if (text.startsWith(QChar(QChar::ByteOrderMark))) {
            text.remove(0, 1);
        }
    } else {
        text = QString::fromLatin1(bytes);
    }
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines << text.mid(start, i - start);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines << text.mid(start);
    }
    return lines;
}

void Resources::read_file_from_stream(const QString& name) {
    const QString path = pathOf(name);
    if (path.isEmpty()) {
        throw EditorError(QStringLiteral("Resource %1 not found").arg(name));
    }
    ResourceLines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.showMessage(QStringLiteral("Error loading resource: ") + file.errorString());
        return;
    }
    ResourceLines = textLines(file.readAll());
}
